#include "backup/RecordSetSection.h"

#include "config/Decimal.h"
#include "backup/RecordSet.h"
#include "config/IniFile.h"
#include "config/Keys.h"

namespace talvek {

std::size_t sectionCharacters(const KeyValues& values) {
    std::size_t characters = 0;
    for (const auto& kv : values)
        characters += kv.first.size() + 1 + kv.second.size() + 1;
    return characters;
}

KeyValues fullRecordSetSection(const std::vector<std::string>& fileList,
                               const std::string& backupDirectory, const std::string& logName,
                               const std::string& batchName) {
    // Today's directory and date text have a fixed length: "\DDMMYY" and "DD.MM.YY".
    RecordSet set;
    set.date = set.recordedDate = "00.00.00";
    set.directory = backupDirectory + "\\000000";
    for (std::size_t i = 0; i < fileList.size(); ++i) {
        SavedCopy copy;
        copy.number = static_cast<int>(i + 1);
        copy.original = fileList[i];
        copy.crc = "00000000";
        copy.attributes = kRecordedAttributes; // "39", the longest value
        set.copies.push_back(copy);
    }
    set.logFile = logName;
    set.recFile = batchName;
    return recordSetSection(set);
}

bool fitsIntoSections(const std::vector<std::string>& fileList, const std::string& backupDirectory,
                      const std::string& logName, const std::string& batchName) {
    KeyValues list;
    for (std::size_t i = 0; i < fileList.size(); ++i)
        addKeyValue(list, decimalText(i), fileList[i]);
    return sectionCharacters(list) <= kMaxSectionCharacters &&
           sectionCharacters(fullRecordSetSection(fileList, backupDirectory, logName, batchName)) <=
               kMaxSectionCharacters;
}

std::size_t sectionFileBytes(const std::string& name, const KeyValues& values) {
    std::size_t bytes = 1 + name.size() + 1 + 2 + 2;
    for (const auto& kv : values)
        bytes += kv.first.size() + 1 + kv.second.size() + 2;
    return bytes;
}

std::size_t worstCaseIniBytes(const IniWorstCase& worst) {
    const std::size_t sets = worst.maxRecordSets + worst.keptRecordSets;
    KeyValues files, list;
    for (std::size_t i = 0; i < worst.fileList.size(); ++i)
        addKeyValue(files, decimalText(i), worst.fileList[i]);
    for (std::size_t i = 0; i < sets; ++i)
        addKeyValue(list, decimalText(i), "00.00.00");
    KeyValues section =
        fullRecordSetSection(worst.fileList, worst.backupDirectory, worst.logName, worst.batchName);
    addKeyValue(section, keys::kKeep, "1");
    // The date of the last record set, the mark of a run under way, and the undo of a
    // restore, which lists at most every file with less than a record set holds.
    return sectionFileBytes(keys::kSettings, worst.settings) +
           sectionFileBytes(keys::kCurrentRecord, {{keys::kDate, "00.00.00"}}) +
           sectionFileBytes(keys::kRunMark, {{keys::kDate, "00.00.00"},
                                             {keys::kMarkPrevious, "00.00.00"},
                                             {keys::kMarkLeftovers, "00.00.00"}}) +
           sectionFileBytes(keys::kFileList, files) + sectionFileBytes(keys::kRecordList, list) +
           sectionFileBytes(keys::kUndo, section) + sets * sectionFileBytes("00.00.00", section);
}

} // namespace talvek

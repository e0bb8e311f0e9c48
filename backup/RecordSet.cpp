#include "backup/RecordSet.h"

#include "config/Decimal.h"
#include "backup/PathRules.h"
#include "config/IniFile.h"
#include "config/Keys.h"
#include "config/TextCase.h"

namespace talvek {

namespace {

std::string ownPlace(const SavedCopy& copy) {
    return keys::kCopyFolderPrefix + decimalText(copy.number) + "\\" + copy.name;
}

} // namespace

void placeApart(SavedCopy& copy) {
    copy.place = ownPlace(copy);
}

std::string RecordSet::copyPath(const SavedCopy& copy) const {
    return copyPathIn(directory, copy);
}

std::string copyPathIn(const std::string& directory, const SavedCopy& copy) {
    // A hand-edited name or place that leaves the directory names no copy of this set.
    if (directory.empty() || !isPlainFileName(copy.name) ||
        (!copy.place.empty() && copy.place != ownPlace(copy)))
        return std::string();
    return directory + "\\" + (copy.place.empty() ? copy.name : copy.place);
}

std::string copyFolderIn(const std::string& directory, const SavedCopy& copy) {
    const std::string path = copyPathIn(directory, copy);
    if (copy.place.empty() || path.empty()) return std::string();
    return path.substr(0, path.size() - copy.name.size() - 1);
}

std::vector<SavedCopy> listedCopies(const std::vector<std::string>& list) {
    std::vector<SavedCopy> copies;
    std::vector<std::string> names; // as the file system compares them
    for (const std::string& original : list) {
        SavedCopy copy;
        copy.number = static_cast<int>(copies.size() + 1);
        copy.original = original;
        copy.name = resolvedNamePart(original);
        const std::string name = asciiLower(copy.name);
        for (const std::string& earlier : names)
            if (earlier == name) placeApart(copy);
        names.push_back(name);
        copies.push_back(copy);
    }
    return copies;
}

std::string protocolOf(const RecordSet& set) {
    if (set.directory.empty() || !isPlainFileName(set.logFile)) return std::string();
    return set.directory + "\\" + resolvedName(set.logFile);
}

std::vector<RecordSetSummary> listRecordSets(TIniFile& ini) {
    std::vector<std::string> list = ini.ReadList(keys::kRecordList);
    std::vector<RecordSetSummary> sets;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        RecordSet set = readRecordSet(ini, *it);
        sets.push_back({*it, set.copies.size(), set.kept});
    }
    return sets;
}

RecordSet readRecordSet(TIniFile& ini, const std::string& date) {
    return recordSetOf(date, ini.ReadSection(date));
}

RecordSet recordSetOf(const std::string& date, const SectionValues& values) {
    RecordSet set;
    set.date = date;
    set.exists = !values.empty();
    set.directory = values.get(keys::kDirectory, keys::kNotFound);
    set.hasDirectory = set.directory != keys::kNotFound;
    if (!set.hasDirectory) set.directory.clear();
    set.recordedDate = values.get(keys::kDate, "");
    // The run numbers its copies from 1; a "Datei0" key was never written by it and names no
    // copy of this set, so neither the page nor the removal count it.
    for (const auto& [number, original] : values.numbered(keys::kSavedFilePrefix)) {
        if (number < 1) continue;
        SavedCopy copy;
        copy.number = number;
        copy.original = original;
        copy.name = resolvedNamePart(original);
        const std::string n = decimalText(number);
        copy.place = values.get(keys::kCopyPrefix + n, "");
        copy.crc = values.get(keys::kChecksumPrefix + n, "");
        int attributes = 0;
        if (parseStoredNumber(values.get(keys::kAttributesPrefix + n, ""), attributes) &&
            attributes >= 0)
            copy.attributes = static_cast<std::uint32_t>(attributes);
        set.copies.push_back(copy);
    }
    // An older version wrote a marker where it made no protocol or batch: no file of the set.
    set.logFile = values.get(keys::kRecordLogFile, keys::kNoLog);
    set.recFile = values.get(keys::kRecordRecFile, keys::kNoRec);
    if (set.logFile == keys::kNoLog) set.logFile.clear();
    if (set.recFile == keys::kNoRec) set.recFile.clear();
    set.kept = values.get(keys::kKeep, "0") == "1";
    return set;
}

KeyValues recordSetSection(const RecordSet& set) {
    KeyValues values = {{keys::kDirectory, set.directory}, {keys::kDate, set.recordedDate}};
    for (const SavedCopy& copy : set.copies) {
        const std::string n = decimalText(copy.number);
        addKeyValue(values, keys::kSavedFilePrefix + n, copy.original);
        if (!copy.place.empty()) addKeyValue(values, keys::kCopyPrefix + n, copy.place);
        if (!copy.crc.empty()) addKeyValue(values, keys::kChecksumPrefix + n, copy.crc);
        if (copy.attributes != attr::kInvalid)
            addKeyValue(values, keys::kAttributesPrefix + n, decimalText(copy.attributes));
    }
    if (!set.logFile.empty()) addKeyValue(values, keys::kRecordLogFile, set.logFile);
    if (!set.recFile.empty()) addKeyValue(values, keys::kRecordRecFile, set.recFile);
    if (set.kept) addKeyValue(values, keys::kKeep, "1");
    return values;
}

AppError writeRecordSet(TIniFile& ini, const RecordSet& set) {
    return ini.WriteSection(set.date, recordSetSection(set));
}

AppError recordProtocolName(TIniFile& ini, const std::string& date, const std::string& name) {
    return ini.WriteText(date, keys::kRecordLogFile, name);
}

AppError recordBatchName(TIniFile& ini, const std::string& date, const std::string& name) {
    return ini.WriteText(date, keys::kRecordRecFile, name);
}

AppError keepRecordSet(TIniFile& ini, const std::string& date, bool keep) {
    return keep ? ini.WriteText(date, keys::kKeep, "1") : ini.RemoveKey(date, keys::kKeep);
}

} // namespace talvek

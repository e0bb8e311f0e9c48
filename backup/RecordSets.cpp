#include "backup/RecordSets.h"

#include "backup/Crc32.h"
#include "backup/FileReading.h"
#include "backup/PathRules.h"
#include "config/Keys.h"

namespace talvek {

std::vector<RecordSetSummary> listRecordSets(TIniFile& ini) {
    std::vector<std::string> list = ini.ReadList(keys::kRecordList);
    std::vector<RecordSetSummary> sets;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        SectionValues values = ini.ReadSection(*it);
        sets.push_back({*it, values.numbered(keys::kSavedFilePrefix).size(),
                        values.get(keys::kKeep, "0") == "1"});
    }
    return sets;
}

std::vector<SavedCopy> savedCopies(TIniFile& ini, const std::string& date) {
    SectionValues values = ini.ReadSection(date);
    std::string dir = values.get(keys::kDirectory, "");
    std::vector<SavedCopy> copies;
    for (const auto& saved : values.numbered(keys::kSavedFilePrefix)) {
        std::string name = fileNamePart(saved.second);
        // A hand-edited name that leaves the directory names no copy of this set.
        if (dir.empty() || !isPlainFileName(name)) continue;
        std::string crc = values.get(keys::kChecksumPrefix + std::to_string(saved.first), "");
        copies.push_back({saved.second, dir + "\\" + name, crc});
    }
    return copies;
}

std::vector<std::string> checkRecordSet(TIniFile& ini, FileSystem& files, const std::string& date) {
    std::vector<std::string> problems;
    for (const SavedCopy& c : savedCopies(ini, date)) {
        std::uint32_t crc = 0;
        if (!files.fileExists(c.copy) || !fileChecksum(files, c.copy, crc))
            problems.push_back("Die Kopie " + c.copy + " fehlt.");
        else if (!c.crc.empty() && crcText(crc) != c.crc)
            problems.push_back("Die Kopie " + c.copy + " ist beschädigt.");
    }
    return problems;
}

std::vector<std::string> compareRecordSet(TIniFile& ini, FileSystem& files,
                                          const std::string& date) {
    std::vector<std::string> lines;
    for (const SavedCopy& c : savedCopies(ini, date)) {
        const char* result = "geändert";
        Sameness same = files.fileExists(c.copy) ? compareFiles(files, c.copy, c.original)
                                                 : Sameness::FirstUnreadable;
        if (same == Sameness::FirstUnreadable)
            result = "Kopie fehlt";
        else if (same == Sameness::SecondUnreadable || !files.fileExists(c.original))
            result = "Original fehlt";
        else if (same == Sameness::Same)
            result = "unverändert";
        lines.push_back(c.original + ": " + result);
    }
    return lines;
}

AppError keepRecordSet(TIniFile& ini, const std::string& date, bool keep) {
    return keep ? ini.WriteText(date, keys::kKeep, "1") : ini.RemoveKey(date, keys::kKeep);
}

std::string protocolOf(TIniFile& ini, const std::string& date) {
    SectionValues values = ini.ReadSection(date);
    std::string dir = values.get(keys::kDirectory, "");
    std::string name = values.get(keys::kRecordLogFile, "");
    if (dir.empty() || !isPlainFileName(name)) return std::string();
    return dir + "\\" + name;
}

} // namespace talvek

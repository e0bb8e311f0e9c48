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
        RecordSet set = readRecordSet(ini, *it);
        sets.push_back({*it, set.copies.size(), set.kept});
    }
    return sets;
}

std::vector<std::string> checkRecordSet(FileSystem& files, const RecordSet& set) {
    std::vector<std::string> problems;
    for (const SavedCopy& c : set.copies) {
        const std::string copy = set.copyPath(c);
        if (copy.empty()) continue;
        std::uint32_t crc = 0;
        if (!files.fileExists(copy) || !fileChecksum(files, copy, crc))
            problems.push_back("Die Kopie " + copy + " fehlt.");
        else if (!c.crc.empty() && crcText(crc) != c.crc)
            problems.push_back("Die Kopie " + copy + " ist beschädigt.");
    }
    return problems;
}

std::vector<std::string> compareRecordSet(FileSystem& files, const RecordSet& set) {
    std::vector<std::string> lines;
    for (const SavedCopy& c : set.copies) {
        const std::string copy = set.copyPath(c);
        if (copy.empty()) continue;
        const char* result = "geändert";
        Sameness same = files.fileExists(copy) ? compareFiles(files, copy, c.original)
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

std::string protocolOf(const RecordSet& set) {
    if (set.directory.empty() || !isPlainFileName(set.logFile)) return std::string();
    return set.directory + "\\" + set.logFile;
}

} // namespace talvek

// What the record sets page shows and does: the registered record sets, a check of their
// copies against the checksums taken at backup time, a comparison with today's originals,
// and the mark that keeps a set out of the rotation.
#pragma once
#include <string>
#include <vector>

#include "config/IniFile.h"
#include "platform/FileSystem.h"

namespace talvek {

struct RecordSetSummary {
    std::string date;      // the date text that names the set
    std::size_t files = 0; // saved copies
    bool kept = false;     // "Behalten=1": the rotation leaves it alone
};

// The registered record sets, newest first.
std::vector<RecordSetSummary> listRecordSets(TIniFile& ini);

// One saved file of a set: the listed original and its copy in the set's directory.
struct SavedCopy {
    std::string original;
    std::string copy;
    std::string crc; // eight hex digits; empty for a set of an older version
};
std::vector<SavedCopy> savedCopies(TIniFile& ini, const std::string& date);

// Re-reads every copy; each line names a copy that is missing or differs from its checksum.
// A copy without a checksum is checked for presence only.
std::vector<std::string> checkRecordSet(TIniFile& ini, FileSystem& files, const std::string& date);

// What a restore of each file would change: "unverändert", "geändert", "Original fehlt"
// (or "Kopie fehlt"), as "original: result" lines.
std::vector<std::string> compareRecordSet(TIniFile& ini, FileSystem& files,
                                          const std::string& date);

// Sets or removes "Behalten=1" in the set's section.
AppError keepRecordSet(TIniFile& ini, const std::string& date, bool keep);

// The full path of the set's protocol file; empty when it has none.
std::string protocolOf(TIniFile& ini, const std::string& date);

} // namespace talvek

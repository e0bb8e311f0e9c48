// The record set section as a run writes it, and what such a section costs in a profile:
// Windows 95 stores at most 32767 characters of one section.
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace talvek {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

inline constexpr std::size_t kMaxSectionCharacters = 32767;

// The characters a section takes in one access: each "key=value" and its terminating zero.
std::size_t sectionCharacters(const KeyValues& values);

// The record set section a run writes with every listed file saved, for the longest date and
// directory it can have.
KeyValues fullRecordSetSection(const std::vector<std::string>& fileList,
                               const std::string& backupDirectory, const std::string& logName,
                               const std::string& batchName);

// Whether a file list and the record set section a run would write with every one of its
// files saved both fit into a section on Windows 95.
bool fitsIntoSections(const std::vector<std::string>& fileList, const std::string& backupDirectory,
                      const std::string& logName, const std::string& batchName);

// Windows 95's profile functions ignore what stands past 64 KB of an ini file.
inline constexpr std::size_t kMaxIniFileBytes = 65535;

// The bytes a section takes in an ini file: "[name]", each "key=value", every line with its
// CR LF, and the empty line before the next section.
std::size_t sectionFileBytes(const std::string& name, const KeyValues& values);

// What the configuration file holds at most with these settings: the settings and the file
// list as written, the record set list at the maximum plus the kept sets, that many record
// set sections with every file saved, and the undo of a restore of every file.
struct IniWorstCase {
    KeyValues settings;
    std::vector<std::string> fileList;
    std::string backupDirectory, logName, batchName;
    std::size_t maxRecordSets = 0, keptRecordSets = 0;
};
std::size_t worstCaseIniBytes(const IniWorstCase& worst);

} // namespace talvek

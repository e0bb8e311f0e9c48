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

// "Directory", "Datum", then the "Datei<n>" and "CRC<n>" keys of the saved copies.
KeyValues recordSetSection(const std::string& directory, const std::string& date,
                           const KeyValues& savedFiles);

// The characters a section takes in one access: each "key=value" and its terminating zero.
std::size_t sectionCharacters(const KeyValues& values);

// Whether a file list and the record set section a run would write with every one of its
// files saved both fit into a section on Windows 95.
bool fitsIntoSections(const std::vector<std::string>& fileList, const std::string& backupDirectory,
                      const std::string& logName, const std::string& batchName);

} // namespace talvek

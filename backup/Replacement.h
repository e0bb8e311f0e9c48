// Putting a file in the place of a user's original so that a reset at any moment leaves the
// original either as it was or as the new file, never half written: the restore from Windows
// and its undo write every original this way.
#pragma once
#include <cstdint>
#include <string>

#include "backup/FileReading.h"
#include "config/IniFile.h"
#include "platform/FileSystem.h"

namespace talvek {

enum class Replaced {
    Done,
    InUse,  // the original could not be moved aside (Windows or a program holds it open)
    Failed, // the new file could not be made beside it, or did not read back right
};

// Puts a copy of `source`, whose content has the checksum `crc`, in the place of `original`,
// with `attributes`, and records `crc` as the entry's "Danach<n>". While the original is away,
// the undo section names `number` (the n of its "Datei<n>"), so that finishCutReplacement can
// complete what a reset cut short.
Replaced replaceFile(FileSystem& files, TIniFile& ini, int number, const std::string& source,
                     std::uint32_t crc, const std::string& original, std::uint32_t attributes,
                     PieceProgress* progress);

// Deletes a file of the program's own, whatever attributes it was given.
void deleteOwnFile(FileSystem& files, const std::string& path);

// Deletes an original that a restore made where none was; false when it stays.
bool removeOriginal(FileSystem& files, const std::string& original);

// Completes the replacement the undo section marks as under way, if any, and records what
// the original holds then as its "Danach<n>".
void finishCutReplacement(FileSystem& files, TIniFile& ini);

} // namespace talvek

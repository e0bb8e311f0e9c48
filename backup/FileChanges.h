// What the comparison of a record set's copy with today's original shows: the lines that
// changed, grouped in runs under the line number of today's file, or why there are none.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/FileSystem.h"

namespace talvek {

// Text files up to this size are compared line by line; a larger file is never read whole.
inline constexpr std::uint64_t kMaxComparedText = 256 * 1024;
// The most characters the box with the changes holds: a multi-line edit box of Windows 95
// holds at most 65,535 bytes and drops what goes past them.
inline constexpr std::size_t kMaxChangesText = 60000;

enum class TextFile { Text, NotText, Unreadable };

// Reads a file to compare its lines, in pieces: Text, with its content in `text`, when it is a
// text file (no NUL byte) of at most kMaxComparedText bytes; NotText when it has a NUL byte or
// is larger (then nothing of it is read); Unreadable when it cannot be opened or read.
TextFile readTextFile(FileSystem& files, const std::string& path, std::string& text);

// The box's text for the texts of a copy and of today's file: for each run of changes the
// line "Zeile n:" (n counted in today's file), for an ini file followed by " [section]", then
// the copy's lines as "- " + line and today's as "+ " + line; "Die Datei ist unverändert."
// when no line changed (line ends are no part of a line). Lines are joined by CR LF; what
// passes kMaxChangesText characters gives way to "... und N weitere Zeilen". The section is
// the one the run lies in in today's file, since "Zeile n" sends the user there: the last
// header above it, or the run's own first line when that is a header it adds. A run that only
// removes lines stands between two lines, so a header right after it is not its section.
std::string describeTextChanges(const std::string& copy, const std::string& today, bool ini);

// The box's text for a copy and its original: the changes of two text files, or that the copy
// is missing or damaged (`copyDamaged`: its checksum did not match), that the original is
// missing (with the copy's lines when it is text), that a binary or larger file changed, that
// nothing did, or that one of them cannot be read. What Windows holds of an ini original is
// written to it first.
std::string describeChanges(FileSystem& files, const std::string& copyPath,
                            const std::string& originalPath, bool copyDamaged);

} // namespace talvek

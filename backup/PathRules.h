// Path checks of the backup run: which names may be written or deleted, which directories
// may be emptied, and which paths MS-DOS can use as they stand.
#pragma once
#include <string>

#include "platform/FileSystem.h"

namespace talvek {

// The text after the last "\", "/" or ":"; the whole text when it has none of them.
std::string fileNamePart(const std::string& path);

// The name as Windows resolves it: without the trailing dots and blanks it drops, so
// "PROTOCOL.TXT." and "PROTOCOL.TXT " name PROTOCOL.TXT. Nothing is left of ".", ".." or
// a name of dots and blanks alone: they name no file.
std::string resolvedName(const std::string& name);
// The name part of a path as Windows resolves it: what its copy is called.
std::string resolvedNamePart(const std::string& path);
// Whether two names name the same file: resolved, and compared without regard to case.
bool sameFileName(const std::string& a, const std::string& b);

// A name that stays inside the directory it is appended to: one that resolves to a name
// (not empty, ".", ".." or dots and blanks alone) and is free of "\", "/" and ":".
bool isPlainFileName(const std::string& name);

// "X:", "X:\..." or "\\server\share\...": a directory that does not depend on the current
// directory or drive.
bool isAbsoluteDirectory(const std::string& path);
// "X:" with nothing but separators after it: a drive's root folder, which on FAT16 holds at
// most 512 entries (a floppy's 224), the system's own files among them.
bool isDriveRoot(const std::string& path);

// Whether `directory` lies directly in `parent`, compared without regard to case and to
// trailing separators.
bool liesDirectlyIn(const std::string& directory, const std::string& parent);

// An absolute path (drive letter, colon, separator; or \\server\share) without "." or ".."
// components whose last component is exactly six digits: the only kind of directory that
// the removal of an old record set may empty and remove.
bool isRecordSetDirectory(const std::string& path);

// Whether MS-DOS 7.0 outside Windows can use the path unchanged: every component a valid
// short name (at most eight characters, optionally a full stop and at most three more,
// no blanks or characters DOS refuses).
bool isShortPath(const std::string& path);
// How MS-DOS 7.0 outside Windows names a path: the path when it is short, else the short
// path the file system knows for it, else (no usable short path) the path as it stands.
std::string dosName(FileSystem& files, const std::string& path);

} // namespace talvek

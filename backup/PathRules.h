// Path checks of the backup run: which names may be written or deleted, which directories
// may be emptied, and which paths MS-DOS can use as they stand.
#pragma once
#include <string>

namespace talvek {

// The text after the last "\", "/" or ":"; the whole text when it has none of them.
std::string fileNamePart(const std::string& path);

// A name that stays inside the directory it is appended to: not empty, not "." or "..",
// and free of "\", "/" and ":".
bool isPlainFileName(const std::string& name);

// "X:", "X:\..." or "\\server\share\...": a directory that does not depend on the current
// directory or drive.
bool isAbsoluteDirectory(const std::string& path);

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

} // namespace talvek

// Windows 95 keeps WIN.INI and the last private ini file it used in memory and writes them
// back later: a file read without asking it to write first can be older than what Windows
// will read, and a file written back without it can be overwritten by what Windows held.
#pragma once
#include <string>

#include "platform/FileSystem.h"

namespace talvek {

// Whether the path names an ini file: its name, as Windows resolves it, ends in ".INI".
bool isIniFile(const std::string& path);

// Has Windows write what it holds of the file when it is an ini file: WIN.INI of the Windows
// directory through the profile's own flush, any other through the private one. Call it
// before an ini file is read or replaced, and again after it was replaced.
void flushIfIni(FileSystem& files, const std::string& path);

} // namespace talvek

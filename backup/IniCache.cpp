#include "backup/IniCache.h"

#include "backup/PathRules.h"
#include "config/IniFile.h"
#include "config/TextCase.h"

namespace talvek {

bool isIniFile(const std::string& path) {
    const std::string name = resolvedNamePart(path);
    return name.size() > 4 && sameIgnoringCase(name.substr(name.size() - 4), ".INI");
}

void flushIfIni(FileSystem& files, const std::string& path) {
    if (!isIniFile(path)) return;
    // Only the Windows directory's WIN.INI is the profile; a WIN.INI elsewhere is private.
    const std::string windows = files.windowsDirectory(kWindowsDirectoryBuffer);
    if (!windows.empty() && sameFileName(fileNamePart(path), "WIN.INI") &&
        liesDirectlyIn(path, windows))
        files.flushWindowsIni();
    else
        files.flushPrivateIni(path);
}

} // namespace talvek

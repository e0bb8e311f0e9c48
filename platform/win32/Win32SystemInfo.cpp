#include "platform/win32/Win32SystemInfo.h"

#include <windows.h>

#include <vector>

namespace talvek {

std::string Win32SystemInfo::modulePath() {
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    for (;;) {
        DWORD got = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (got == 0) return std::string();
        if (got < buffer.size() - 1) return std::string(buffer.data(), got);
        buffer.assign(buffer.size() * 2, '\0'); // possibly cut: try a larger buffer
    }
}

bool Win32SystemInfo::isWindowsMe() {
    const DWORD version = GetVersion();
    // The high bit marks the Windows 95 family; its major and minor version are 4 and 90.
    return (version & 0x80000000u) != 0 && LOBYTE(LOWORD(version)) == 4 &&
           HIBYTE(LOWORD(version)) == 90;
}

} // namespace talvek

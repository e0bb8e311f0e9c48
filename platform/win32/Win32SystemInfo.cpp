#include "platform/win32/Win32SystemInfo.h"

#include <windows.h>

#include <vector>

namespace talvek {

std::string Win32SystemInfo::windowsDirectory(std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize, '\0');
    UINT got = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(bufferSize));
    // A result as large as the buffer is the size it would need: the path did not fit.
    if (got == 0 || got >= bufferSize) return std::string();
    return std::string(buffer.data(), got);
}

std::string Win32SystemInfo::modulePath() {
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    for (;;) {
        DWORD got = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (got == 0) return std::string();
        if (got < buffer.size() - 1) return std::string(buffer.data(), got);
        buffer.assign(buffer.size() * 2, '\0'); // possibly cut: try a larger buffer
    }
}

} // namespace talvek

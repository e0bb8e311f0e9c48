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

} // namespace talvek

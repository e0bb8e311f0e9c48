#include "platform/win32/Win32Processes.h"

#include <vector>

namespace talvek {

bool Win32Processes::start(const std::string& commandLine, std::function<void()> ended) {
    // CreateProcessA may write into the command line it is given.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &created))
        return false;
    KernelHandle thread(created.hThread);
    watch_(KernelHandle(created.hProcess), std::move(ended));
    return true;
}

} // namespace talvek

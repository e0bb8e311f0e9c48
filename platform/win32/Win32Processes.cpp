#include "platform/win32/Win32Processes.h"

#include <vector>

#include "platform/CommandLine.h"

namespace talvek {

namespace {

// `program` null: the command line's first word names the program.
bool createProcess(const char* program, const std::string& commandLine,
                   PROCESS_INFORMATION& created) {
    // CreateProcessA may write into the command line it is given.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &created) != FALSE;
}

} // namespace

bool Win32Processes::start(const std::string& commandLine, std::function<void()> ended) {
    PROCESS_INFORMATION created{};
    if (!createProcess(nullptr, commandLine, created)) return false;
    KernelHandle thread(created.hThread);
    watch_(KernelHandle(created.hProcess), std::move(ended));
    return true;
}

bool Win32Processes::startProgram(const std::string& program, const std::string& argument) {
    // Named as the application, the program is started as it is: no search along the path,
    // no file type's association, no other program a blank in the path could point at.
    PROCESS_INFORMATION created{};
    if (!createProcess(program.c_str(),
                       commandLineArgument(program) + " " + commandLineArgument(argument), created))
        return false;
    // Nobody waits for its end: the message loop keeps watching a run started by start().
    KernelHandle thread(created.hThread), process(created.hProcess);
    return true;
}

} // namespace talvek

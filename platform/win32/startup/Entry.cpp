// The process entry point in place of a C runtime's: static constructors, WinMain with the
// arguments Windows programs get, the functions registered with atexit (the destructors of
// static objects), the end of the process.
#include <windows.h>

#include <cstdlib>

#include "platform/CommandLine.h"

using Function = void (*)();

// The linker's table of static constructors: -1 or a count, the functions, 0. They run from the
// last to the first, as the compiler's own startup runs them.
extern "C" Function __CTOR_LIST__[];

namespace {

// Registered exit functions, last one first when the program ends.
Function* exitFunctions = nullptr;
int exitFunctionCount = 0;

void runConstructors() {
    int count = 0;
    while (__CTOR_LIST__[count + 1])
        ++count;
    for (int i = count; i >= 1; --i)
        __CTOR_LIST__[i]();
}

void runExitFunctions() {
    while (exitFunctionCount > 0)
        exitFunctions[--exitFunctionCount]();
    std::free(exitFunctions);
    exitFunctions = nullptr;
}

} // namespace

extern "C" int atexit(Function function) {
    void* grown = std::realloc(exitFunctions, (exitFunctionCount + 1) * sizeof(Function));
    if (!grown) return -1;
    exitFunctions = static_cast<Function*>(grown);
    exitFunctions[exitFunctionCount++] = function;
    return 0;
}

// The stack Windows 95 starts a process on may be aligned to 4 bytes only.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    runConstructors();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show =
        (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    char* arguments = const_cast<char*>(talvek::argumentsAfterProgramName(GetCommandLineA()));
    const int exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, arguments, show);
    runExitFunctions();
    ExitProcess(static_cast<UINT>(exitCode));
}

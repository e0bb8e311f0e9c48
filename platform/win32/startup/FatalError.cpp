#include "platform/win32/startup/FatalError.h"

#include <windows.h>

namespace talvek::startup {

void fatalError(const char* text) {
    MessageBoxA(nullptr, text, "Talvek 95", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(1);
}

} // namespace talvek::startup

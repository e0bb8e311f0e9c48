// Entry: the start mode from the first command-line argument, one main window, the loop.
#include <windows.h>

#include "app/logic/StartMode.h"
#include "ui/progress/Form1.h"
#include "ui/setup/SetupForm.h"
#include "ui/toolkit/Application.h"

// The runtime's own terminate handler prints the exception's demangled type name to a console
// this program does not have; replacing it keeps the demangler and printf engine out of the
// program (about a tenth of its size).
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    ExitProcess(1);
}
} // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    talvek::ui::Application& app = talvek::ui::Application::instance();
    app.initialize(instance, "Talvek 95");
    if (talvek::chooseStartMode(GetCommandLineA()) == talvek::StartMode::BackupRun) {
        talvek::ui::TForm1 form;
        app.run();
    } else {
        talvek::ui::TSetupForm form;
        if (app.report(form.creationError())) return 1;
        app.run();
    }
    return 0;
}

// Entry: the start mode from the first command-line argument, one main window, the loop.
#include <windows.h>

#include <exception>

#include "app/logic/CommandLine.h"
#include "ui/progress/Form1.h"
#include "ui/setup/SetupForm.h"
#include "ui/toolkit/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // An exception that escapes everything ends the process quietly instead of aborting
    // with the runtime's console message.
    std::set_terminate([] { ExitProcess(1); });
    talvek::ui::Application& app = talvek::ui::Application::instance();
    app.initialize(instance, "Talvek 95");
    if (talvek::chooseStartMode(GetCommandLineA()) == talvek::StartMode::BackupRun) {
        talvek::ui::TForm1 form;
        app.run();
    } else {
        talvek::ui::TSetupForm form;
        app.run();
    }
    return 0;
}

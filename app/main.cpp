// Entry: the start mode from the first command-line argument, the platform and the engine,
// one main window, the loop.
#include <windows.h>

#include "app/logic/StartMode.h"
#include "backup/BackupRun.h"
#include "config/ConfigurationStore.h"
#include "platform/win32/Win32Platform.h"
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

namespace {

using talvek::AppError;
using talvek::ui::Application;

// A process the setup dialog started: the message loop runs `ended` once it has ended.
void watchProcess(talvek::KernelHandle process, std::function<void()> ended) {
    Application::instance().watch(std::move(process), std::move(ended));
}

// Before the message loop there is no window procedure to show an error: it is shown here.
int failed(const AppError& error) {
    Application::instance().showError(error.text());
    return 1;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Application& app = Application::instance();
    if (AppError error = app.initialize(instance, "Talvek 95")) return failed(error);
    talvek::Win32Platform platform(&watchProcess);
    talvek::ConfigurationStore profile(platform.files, platform.locks);
    const talvek::StartMode mode = talvek::chooseStartMode(GetCommandLineA());
    if (mode == talvek::StartMode::Setup) {
        talvek::ui::TSetupForm form(platform, profile);
        if (form.creationError()) return failed(form.creationError());
        return app.run();
    }
    talvek::ui::TForm1 form;
    if (form.creationError()) return failed(form.creationError());
    talvek::BackupRun run(
        form, talvek::RunPlatform{platform.files, profile, platform.clock, platform.locks},
        mode == talvek::StartMode::BackupNow);
    form.show(run);
    return app.run();
}

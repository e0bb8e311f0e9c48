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

namespace {

// Before the message loop there is no window procedure to show an error: it is shown here.
template <typename Form, typename... Args> int runForm(Args... args) {
    talvek::ui::Application& app = talvek::ui::Application::instance();
    Form form(args...);
    if (const talvek::AppError& error = form.creationError()) {
        app.showError(error.text());
        return 1;
    }
    return app.run();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    talvek::ui::Application& app = talvek::ui::Application::instance();
    if (talvek::AppError error = app.initialize(instance, "Talvek 95")) {
        app.showError(error.text());
        return 1;
    }
    const talvek::StartMode mode = talvek::chooseStartMode(GetCommandLineA());
    if (mode == talvek::StartMode::Setup) return runForm<talvek::ui::TSetupForm>();
    return runForm<talvek::ui::TForm1>(mode == talvek::StartMode::BackupNow);
}

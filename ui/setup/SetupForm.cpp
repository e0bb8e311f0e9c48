#include "ui/setup/SetupForm.h"

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Controls.h"

namespace talvek::ui {

TSetupForm::TSetupForm() {
    Application& app = Application::instance();
    registerClass("TSetupForm", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                  LoadIconA(app.hinstance(), MAKEINTRESOURCEA(1)));
    create(0, "TSetupForm", "Talvek 95 - Setup",
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 489, 314, nullptr);
    setClientSize(hwnd(), 489, 314);
    centreOnScreen(hwnd());
    app.setMainWindow(hwnd());
    ShowWindow(hwnd(), SW_SHOWNORMAL);
}

LRESULT TSetupForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        Application::instance().terminate();
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace talvek::ui

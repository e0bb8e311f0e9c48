#include "ui/toolkit/ModalWindow.h"

#include "ui/toolkit/Application.h"
#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

ModalWindow::ModalWindow(const char* className, const char* caption, int clientWidth,
                         int clientHeight)
    : className_(className), caption_(caption), clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

AppError ModalWindow::showModal(HWND owner, int& answer) {
    answer = kCancelled;
    registerClass(className_, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    TALVEK_TRY(create(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, className_, caption_,
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, clientWidth_,
                      clientHeight_, owner));
    setClientSize(hwnd(), clientWidth_, clientHeight_);
    centreWindow(hwnd(), owner);
    if (AppError error = createContent()) {
        DestroyWindow(hwnd());
        return error;
    }
    Application& app = Application::instance();
    // While it asks, this window takes the dialog keys and owns the error boxes.
    const HWND mainWindow = app.mainWindow();
    app.setMainWindow(hwnd());
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetFocus(GetNextDlgTabItem(hwnd(), nullptr, FALSE));
    ended_ = false;
    const bool quit = !app.runUntil(ended_);
    // The owner takes the activation before this window goes: a disabled owner would leave
    // it to another program's window.
    if (owner) {
        EnableWindow(owner, TRUE);
        if (GetActiveWindow() == hwnd()) SetActiveWindow(owner);
    }
    app.setMainWindow(mainWindow);
    DestroyWindow(hwnd());
    if (quit) PostQuitMessage(0); // the loop outside ends too
    answer = quit ? kCancelled : answer_;
    return AppError();
}

void ModalWindow::setDefaultButton(const Button& button) {
    defaultButton_ = button.hwnd();
    button.showAsDefault();
}

void ModalWindow::end(int answer) {
    answer_ = answer;
    ended_ = true;
}

Reply ModalWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case DM_GETDEFID:
        // Enter: the dialog keys ask which button is the default.
        if (!defaultButton_) return 0;
        return MAKELRESULT(GetDlgCtrlID(defaultButton_), DC_HASDEFID);
    case WM_COMMAND:
        // The controls' own commands went to their handlers: this is Esc, as IDCANCEL.
        if (LOWORD(wParam) == IDCANCEL) end(kCancelled);
        return 0;
    case WM_CLOSE:
        end(kCancelled);
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

} // namespace talvek::ui

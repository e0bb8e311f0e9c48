// A window that asks and waits, as DialogBox does. showModal disables the owner, shows the
// window over it and runs the message loop, with the dialog keys (Tab, Enter for the default
// button, Esc to cancel), until a handler calls end(answer); it enables and activates the
// owner again before the window goes and returns the answer. A subclass makes its controls
// from its layout table in createContent and connects its buttons to handlers that end with
// end(answer); its handlers' errors show in the error box over it, as any window's do. A
// subclass that handles messages itself hands the rest to ModalWindow::handleMessage.
#pragma once
#include "ui/toolkit/Form.h"
#include "ui/toolkit/StandardControls.h"

namespace talvek::ui {

class ModalWindow : public Form {
  public:
    // The answer of Esc, the close box and a quit request.
    static constexpr int kCancelled = IDCANCEL;

    // Fails when the window or one of its controls cannot be made; the owner is never
    // disabled then.
    AppError showModal(HWND owner, int& answer);

  protected:
    // The window's class (named after the subclass), caption and client size.
    ModalWindow(const char* className, const char* caption, int clientWidth, int clientHeight);

    // Makes the controls (createControls with the subclass's table) and connects their
    // handlers; the window exists and is not yet shown.
    virtual AppError createContent() = 0;
    // The button Enter presses unless the keyboard is on another button.
    void setDefaultButton(const Button& button);
    // Ends the wait once the handler has returned: showModal returns `answer`.
    void end(int answer);

    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    const char* className_;
    const char* caption_;
    int clientWidth_, clientHeight_;
    HWND defaultButton_ = nullptr;
    int answer_ = kCancelled;
    bool ended_ = false;
};

} // namespace talvek::ui

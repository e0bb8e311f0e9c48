// The application object: title, hidden application window, the message loop and the error
// box that the window procedures show the errors of their handlers in.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "config/Error.h"
#include "platform/win32/Handles.h"

namespace talvek::ui {

class Application {
  public:
    static Application& instance();

    // Common controls, the application window and the title; call once before any form.
    // Fails when the application window cannot be made.
    AppError initialize(HINSTANCE instance, const std::string& title);
    HINSTANCE hinstance() const { return instance_; }
    const std::string& title() const { return title_; }
    // The application's own top-level window (hidden): owner of shell calls.
    HWND handle() const { return window_; }
    // The window that owns message boxes; the main form once it exists.
    HWND mainWindow() const { return main_; }
    void setMainWindow(HWND wnd) { main_ = wnd; }

    // Runs the message loop until a quit request; returns the exit code 0.
    int run();
    // Runs the message loop until `done` holds (true) or a quit request comes (false). The
    // dialog keys go to the main window; a modal window is the main window while it asks.
    bool runUntil(const bool& done);
    // Handles every waiting message as the loop does, blocking up to maxWaitMs for the first
    // one; a quit request meanwhile is dropped, for the caller ends by itself.
    void processPendingMessages(unsigned maxWaitMs);
    // While the handle is not signalled the loop waits on it beside the messages; once it is,
    // the loop closes it and calls `signalled` (outside any other handler). One at a time: a
    // new one replaces the one before.
    void watch(KernelHandle handle, std::function<void()> signalled);
    void terminate() { PostQuitMessage(0); }

    // Long work on the window thread: from beginWork to endWork every window of the program
    // shows the wait cursor and takes no input, which would start other work in the middle
    // of it; pumpWork, between the pieces of the work, lets them repaint and answer.
    void beginWork();
    void pumpWork();
    void endWork();
    bool working() const { return working_; }

    // The error box: caption = title, error icon, OK; a full stop is appended when the text's
    // last character has a higher code than the full stop.
    void showError(const std::string& text);

  private:
    Application() = default;
    void dispatch(MSG& msg);
    void waitForInput(DWORD timeoutMs);
    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    HWND main_ = nullptr;
    std::string title_;
    KernelHandle watched_;
    std::function<void()> signalled_;
    bool working_ = false;
};

std::string withFullStop(const std::string& text);

} // namespace talvek::ui

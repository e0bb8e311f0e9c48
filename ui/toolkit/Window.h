// Base of every window of our own class: one static window procedure finds the object through
// the window's user data, hands the children's notifications back to the controls they come
// from (Control), dispatches the rest to handleMessage, and is the one place that shows the
// error a handler returns, in the application's error box.
#pragma once
#include <windows.h>

#include "ui/toolkit/Handler.h"
#include "ui/toolkit/Reply.h"

namespace talvek::ui {

class Window : public Receiver {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

  protected:
    // Registers a window class whose procedure dispatches to Window objects (once per name).
    static void registerClass(const char* className, HBRUSH background, HICON icon = nullptr,
                              UINT style = CS_DBLCLKS, HCURSOR cursor = nullptr);
    // Creates this object's window; handleMessage receives its messages from WM_NCCREATE on.
    // Fails when the window cannot be made.
    AppError create(DWORD exStyle, const char* className, const char* text, DWORD style, int x,
                    int y, int width, int height, HWND parent, int id = 0);

    virtual Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    // True while this window's error box is open: a timer can drop its ticks meanwhile.
    bool showingError() const { return showingError_; }

  private:
    static LRESULT CALLBACK windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void showError(HWND wnd, const AppError& error);
    HWND hwnd_ = nullptr;
    bool showingError_ = false;
};

} // namespace talvek::ui

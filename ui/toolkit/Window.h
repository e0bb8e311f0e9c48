// Base of every window of our own class: one static window procedure finds the object through
// the window's user data and dispatches to handleMessage. A handler shows the error box itself
// for an operation that failed (Application::report).
#pragma once
#include <windows.h>

namespace talvek::ui {

class Window {
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
    HWND create(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                int width, int height, HWND parent, int id = 0);

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }

  private:
    static LRESULT CALLBACK windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

} // namespace talvek::ui

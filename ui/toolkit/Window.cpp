#include "ui/toolkit/Window.h"

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Control.h"
#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {
Window* windowOf(HWND wnd) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
}
} // namespace

Window::~Window() {
    if (hwnd_) {
        if (Application::instance().mainWindow() == hwnd_)
            Application::instance().setMainWindow(nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::registerClass(const char* className, HBRUSH background, HICON icon, UINT style,
                           HCURSOR cursor) {
    WNDCLASSA existing;
    HINSTANCE instance = Application::instance().hinstance();
    if (GetClassInfoA(instance, className, &existing)) return;
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = cursor ? cursor : LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    RegisterClassA(&wc); // a failure shows as a window that cannot be created
}

AppError Window::create(DWORD exStyle, const char* className, const char* text, DWORD style, int x,
                        int y, int width, int height, HWND parent, int id) {
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                    Application::instance().hinstance(), this);
    return hwnd_ ? AppError() : windowNotCreated(className);
}

Reply Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

void Window::showError(HWND wnd, const AppError& error) {
    if (Window* self = windowOf(wnd)) self->showingError_ = true;
    Application::instance().showError(error.text());
    // The window may have gone while the box was open.
    if (Window* self = windowOf(wnd)) self->showingError_ = false;
}

LRESULT CALLBACK Window::windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = windowOf(wnd);
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->hwnd_ = wnd;
    }
    if (!self) return DefWindowProcA(wnd, message, wParam, lParam);
    // A control asks its parent first: ours answer for every control while work goes on.
    if (message == WM_SETCURSOR && Application::instance().working()) {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
    }
    Reply reply;
    if (!Control::reflect(message, wParam, lParam, reply))
        reply = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Message boxes must not be owned by a window that is gone.
        if (Application::instance().mainWindow() == wnd)
            Application::instance().setMainWindow(nullptr);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    // The box comes after the handler has ended, so a painting handler has ended its painting.
    if (reply.error) showError(wnd, reply.error);
    return reply.value;
}

} // namespace talvek::ui

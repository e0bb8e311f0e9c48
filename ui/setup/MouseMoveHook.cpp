#include "ui/setup/MouseMoveHook.h"

namespace talvek::ui {

namespace {

const char* const kHookProperty = "TalvekMouseMoveHook";

struct Hook {
    WNDPROC previous;
    std::function<void()> onMove;
};

LRESULT CALLBACK hookedProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Hook* hook = static_cast<Hook*>(GetPropA(wnd, kHookProperty));
    if (!hook) return DefWindowProcA(wnd, message, wParam, lParam);
    WNDPROC previous = hook->previous;
    if (message == WM_MOUSEMOVE) {
        hook->onMove();
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(wnd, kHookProperty);
        delete hook;
    }
    return CallWindowProcA(previous, wnd, message, wParam, lParam);
}

} // namespace

void hookMouseMove(HWND control, std::function<void()> onMove) {
    if (!control) return;
    Hook* hook = new Hook{nullptr, std::move(onMove)};
    if (!SetPropA(control, kHookProperty, hook)) {
        delete hook;
        return;
    }
    hook->previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hookedProc)));
}

} // namespace talvek::ui

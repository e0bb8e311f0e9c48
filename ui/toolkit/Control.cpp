#include "ui/toolkit/Control.h"

#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {

const char* const kControlProperty = "TalvekControl";
// The control's own procedure, kept by the window itself: it outlives the Control object.
const char* const kPreviousProcProperty = "TalvekPreviousProc";

} // namespace

Control::~Control() {
    // The window goes with its parent, later: its messages find no control from now on.
    if (wnd_ && IsWindow(wnd_) && GetPropA(wnd_, kControlProperty) == this)
        RemovePropA(wnd_, kControlProperty);
}

void Control::attach(HWND wnd) {
    wnd_ = wnd;
    if (wnd_) SetPropA(wnd_, kControlProperty, this);
}

Control* Control::from(HWND wnd) {
    return wnd ? static_cast<Control*>(GetPropA(wnd, kControlProperty)) : nullptr;
}

AppError Control::command(int) {
    return AppError();
}

bool Control::notify(UINT, Reply&) {
    return false;
}

bool Control::draw(const DRAWITEMSTRUCT&) {
    return false;
}

bool Control::reflect(UINT message, WPARAM wParam, LPARAM lParam, Reply& reply) {
    switch (message) {
    case WM_COMMAND:
        if (Control* control = from(reinterpret_cast<HWND>(lParam))) {
            reply = control->command(HIWORD(wParam));
            return true;
        }
        return false;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        Control* control = from(header->hwndFrom);
        return control && control->notify(header->code, reply);
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        Control* control = item->CtlType == ODT_MENU ? nullptr : from(item->hwndItem);
        if (!control || !control->draw(*item)) return false;
        reply = TRUE;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        Control* control = from(reinterpret_cast<HWND>(lParam));
        if (!control || !control->onColor) return false;
        reply = reinterpret_cast<LRESULT>(control->onColor(reinterpret_cast<HDC>(wParam)));
        return true;
    }
    default:
        return false;
    }
}

void Control::hookMouseMove() {
    if (mouseHooked_ || !wnd_) return;
    mouseHooked_ = true;
    LONG_PTR previous =
        SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::mouseMoveProc));
    SetPropA(wnd_, kPreviousProcProperty, reinterpret_cast<HANDLE>(previous));
}

LRESULT CALLBACK Control::mouseMoveProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetPropA(wnd, kPreviousProcProperty));
    if (!previous) return DefWindowProcA(wnd, message, wParam, lParam);
    if (message == WM_MOUSEMOVE) {
        Control* control = from(wnd);
        if (control && control->onMouseMove_) control->onMouseMove_(*control);
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(wnd, kPreviousProcProperty);
    }
    return CallWindowProcA(previous, wnd, message, wParam, lParam);
}

std::string Control::text() const {
    return windowText(wnd_);
}

void Control::setText(const std::string& text) const {
    setWindowText(wnd_, text);
}

} // namespace talvek::ui

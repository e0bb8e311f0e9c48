// A child control of a system class (button, edit, list box, notebook...) as a form holds it:
// its window, which goes with its parent, and the handlers its notifications reach. Every
// window of ours hands WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR* and WM_DRAWITEM back to the control
// they come from (Window's procedure calls reflect), so a form connects handlers and never
// compares window handles, and an owner-drawn control draws itself. A handler that fails returns
// its error to that window procedure. The typed controls (StandardControls.h, CommonControls.h) add
// the verbs and events of their class.
#pragma once
#include <windows.h>

#include <string>

#include "ui/toolkit/Handler.h"
#include "ui/toolkit/Reply.h"

namespace talvek::ui {

class Control {
  public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Takes `wnd` as this control's window: its notifications reach this object from now on.
    void attach(HWND wnd);
    HWND hwnd() const { return wnd_; }
    // The control a window belongs to; nullptr for a window that is no Control's.
    static Control* from(HWND wnd);
    // Hands a notification a window received from one of its children to that child. False
    // when the child is no Control, or takes no notice of a WM_NOTIFY, WM_CTLCOLOR* or
    // WM_DRAWITEM (no handler, not drawn by itself): the window handles the message itself. A
    // WM_COMMAND without a handler is answered 0.
    static bool reflect(UINT message, WPARAM wParam, LPARAM lParam, Reply& reply);

    Handler<HBRUSH(HDC dc)> onColor; // WM_CTLCOLOR*: the background brush
    // Standard controls tell only themselves about the mouse: the first handler subclasses
    // the control for as long as it lives.
    template <typename W> void connectMouseMove(W* window, void (W::*handler)(Control& sender)) {
        onMouseMove_.connect(window, handler);
        hookMouseMove();
    }

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(wnd_, message, wParam, lParam);
    }
    std::string text() const;
    void setText(const std::string& text) const;
    bool focused() const { return wnd_ && GetFocus() == wnd_; }
    bool enabled() const { return IsWindowEnabled(wnd_) != FALSE; }
    void setEnabled(bool enabled) const { EnableWindow(wnd_, enabled); }

  protected:
    // A WM_COMMAND notification code of this control: a typed control calls its handler.
    virtual AppError command(int code);
    // A WM_NOTIFY code of this control; false when it takes no notice of it.
    virtual bool notify(UINT code, Reply& reply);
    // An owner-drawn control draws an item (a row of a list); false when it does not.
    virtual bool draw(const DRAWITEMSTRUCT& item);

  private:
    static LRESULT CALLBACK mouseMoveProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    void hookMouseMove();

    HWND wnd_ = nullptr;
    bool mouseHooked_ = false;
    Handler<void(Control& sender)> onMouseMove_;
};

} // namespace talvek::ui

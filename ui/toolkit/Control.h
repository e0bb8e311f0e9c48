// A child control of a system class (button, edit, list box, notebook...) as a form holds it:
// its window, which goes with its parent, and the event slots its notifications reach. Every
// window of ours hands WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* back to the control they come
// from (Window's procedure calls reflect), so a form connects handlers to slots and never
// compares window handles. A slot that fails returns its error to that window procedure.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/toolkit/Reply.h"

namespace talvek::ui {

class Control {
  public:
    Control() = default;
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Takes `wnd` as this control's window: its notifications reach this object from now on.
    void attach(HWND wnd);
    HWND hwnd() const { return wnd_; }
    // The control a window belongs to; nullptr for a window that is no Control's.
    static Control* from(HWND wnd);
    // Hands a notification a window received from one of its children to that child's slot.
    // False when the child is no Control, or has no slot for a WM_NOTIFY or WM_CTLCOLOR*: the
    // window handles the message itself. A WM_COMMAND without a slot is answered 0.
    static bool reflect(UINT message, WPARAM wParam, LPARAM lParam, Reply& reply);

    std::function<AppError()> onClick;           // BN_CLICKED
    std::function<AppError()> onChange;          // EN_CHANGE
    std::function<AppError()> onExit;            // EN_KILLFOCUS
    std::function<AppError()> onSelect;          // LBN_SELCHANGE
    std::function<AppError(UINT code)> onNotify; // WM_NOTIFY; the parent answers 0
    std::function<HBRUSH(HDC dc)> onColor;       // WM_CTLCOLOR*: the background brush
    // Standard controls tell only themselves about the mouse: the first handler subclasses
    // the control for as long as it lives.
    void setOnMouseMove(std::function<void()> handler);

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(wnd_, message, wParam, lParam);
    }
    std::string text() const;
    void setText(const std::string& text) const;
    bool checked() const { return send(BM_GETCHECK) == BST_CHECKED; }
    void setChecked(bool checked) const {
        send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    bool focused() const { return wnd_ && GetFocus() == wnd_; }
    bool enabled() const { return IsWindowEnabled(wnd_) != FALSE; }
    void setEnabled(bool enabled) const { EnableWindow(wnd_, enabled); }

  private:
    static LRESULT CALLBACK mouseMoveProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    AppError command(int code);

    HWND wnd_ = nullptr;
    std::function<void()> onMouseMove_;
};

} // namespace talvek::ui

#include "ui/toolkit/CommonControls.h"

#include <commctrl.h>

#include "ui/toolkit/Handles.h"

namespace talvek::ui {

namespace {

// The status bar draws a panel's text inside its border and a few pixels in from it.
const int kPanelTextInset = 3;

AppError call(const Handler<AppError()>& handler) {
    return handler ? handler() : AppError();
}

} // namespace

void TabControl::addTab(int index, const char* caption) const {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption);
    send(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

int TabControl::selection() const {
    return static_cast<int>(send(TCM_GETCURSEL));
}

RECT TabControl::pageArea(const RECT& whole) const {
    RECT area = whole;
    send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

bool TabControl::notify(UINT code, Reply& reply) {
    // Both are answered 0: a switch is never refused.
    if (code == static_cast<UINT>(TCN_SELCHANGING)) {
        reply = call(onChanging);
        return true;
    }
    if (code == static_cast<UINT>(TCN_SELCHANGE)) {
        reply = call(onChange);
        return true;
    }
    return false;
}

void StatusBar::setPanels(const int* rightEdges, int count) const {
    send(SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges));
}

void StatusBar::setPanelText(int panel, const std::string& text) const {
    send(SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

int StatusBar::panelWidth(const char* text) const {
    WindowDC dc(hwnd());
    SelectGuard select(dc.get(), reinterpret_cast<HGDIOBJ>(send(WM_GETFONT)));
    SIZE extent{};
    GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &extent);
    int borders[3] = {}; // horizontal, vertical, between panels
    send(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return extent.cx + 2 * (borders[0] + kPanelTextInset) + borders[2];
}

void UpDown::setBuddy(const Control& edit) const {
    send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit.hwnd()));
}

void UpDown::setRange(int low, int high) const {
    send(UDM_SETRANGE, 0, MAKELONG(high, low));
}

void UpDown::setPosition(int value) const {
    send(UDM_SETPOS, 0, MAKELONG(value, 0));
}

} // namespace talvek::ui

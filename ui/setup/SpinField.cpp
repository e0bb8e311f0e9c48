#include "ui/setup/SpinField.h"

#include <commctrl.h>

#include <string>

#include "ui/toolkit/Controls.h"

namespace talvek::ui {

void SpinField::create(HWND parent, int x, int y, int width, int height, int id, SpinRange range,
                       bool tabStop, HFONT font) {
    range_ = range;
    edit_ =
        createControl(parent, "EDIT", "",
                      WS_VISIBLE | ES_AUTOHSCROLL | WS_CLIPSIBLINGS | (tabStop ? WS_TABSTOP : 0), x,
                      y, width, height, id, WS_EX_CLIENTEDGE);
    setFont(edit_, font);
    // The arrows sit inside the field's width: the edit shrinks to make room for them.
    arrows_ = createControl(parent, UPDOWN_CLASSA, "",
                            WS_VISIBLE | WS_CLIPSIBLINGS | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
                                UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                            0, 0, 0, 0, id + 1);
    SendMessageA(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_), 0);
    SendMessageA(arrows_, UDM_SETRANGE, 0, MAKELONG(range.high, range.low));
}

int SpinField::value() const {
    return range_.fromText(windowText(edit_));
}

void SpinField::setValue(int value) {
    int held = range_.clamp(value);
    SendMessageA(arrows_, UDM_SETPOS, 0, MAKELONG(held, 0));
    setWindowText(edit_, std::to_string(held));
}

void SpinField::settle() {
    std::string held = std::to_string(value());
    if (windowText(edit_) != held) setValue(value());
}

} // namespace talvek::ui

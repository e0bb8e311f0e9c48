#include "ui/setup/SpinField.h"

#include "config/Decimal.h"

#include <commctrl.h>

#include <string>

namespace talvek::ui {

void SpinField::bind() {
    arrows_.send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_.hwnd()), 0);
    arrows_.send(UDM_SETRANGE, 0, MAKELONG(range_.high, range_.low));
}

int SpinField::value() const {
    return range_.fromText(edit_.text());
}

void SpinField::setValue(int value) {
    int held = range_.clamp(value);
    arrows_.send(UDM_SETPOS, 0, MAKELONG(held, 0));
    edit_.setText(decimalText(held));
}

void SpinField::settle() {
    std::string held = decimalText(value());
    if (edit_.text() != held) setValue(value());
}

} // namespace talvek::ui

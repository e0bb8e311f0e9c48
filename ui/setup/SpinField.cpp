#include "ui/setup/SpinField.h"

#include "config/Decimal.h"

#include <string>

namespace talvek::ui {

void SpinField::bind() {
    arrows_.setBuddy(edit_);
    arrows_.setRange(range_.low, range_.high);
}

int SpinField::value() const {
    return range_.fromText(edit_.text());
}

void SpinField::setValue(int value) {
    int held = range_.clamp(value);
    arrows_.setPosition(held);
    edit_.setText(decimalText(held));
}

void SpinField::settle() {
    std::string held = decimalText(value());
    if (edit_.text() != held) setValue(value());
}

} // namespace talvek::ui

// A spin field: an edit field with up and down arrows (an up-down control bound to it) that
// holds a whole number within its bounds. Both controls come from the form's layout table.
#pragma once
#include <windows.h>

#include "config/Settings.h"
#include "ui/toolkit/CommonControls.h"

namespace talvek::ui {

class SpinField {
  public:
    SpinField(Control& edit, UpDown& arrows, SettingRange range)
        : edit_(edit), arrows_(arrows), range_(range) {}

    // Binds the arrows to the edit field: they move inside its width, which shrinks for them.
    void bind();
    // The typed text as a number within the bounds; not a number reads as the lower bound.
    int value() const;
    // Sets the text to the value held within the bounds.
    void setValue(int value);
    // On losing the focus: the typed value is brought within the bounds.
    void settle();

  private:
    Control& edit_;
    UpDown& arrows_;
    SettingRange range_;
};

} // namespace talvek::ui

// A spin field: an edit field with up and down arrows (an up-down control bound to it) that
// holds a whole number within its bounds.
#pragma once
#include <windows.h>

#include "ui/setup/logic/SpinRange.h"

namespace talvek::ui {

class SpinField {
  public:
    void create(HWND parent, int x, int y, int width, int height, int id, SpinRange range,
                bool tabStop, HFONT font);
    HWND edit() const { return edit_; }
    HWND arrows() const { return arrows_; }

    // The typed text as a number within the bounds; not a number reads as the lower bound.
    int value() const;
    // Sets the text to the value held within the bounds.
    void setValue(int value);
    // On losing the focus: the typed value is brought within the bounds.
    void settle();

  private:
    HWND edit_ = nullptr;
    HWND arrows_ = nullptr;
    SpinRange range_{0, 0};
};

} // namespace talvek::ui

// A form's layout table: its controls at exact pixel positions, in creation order, which is
// the keyboard order, each with its id from the form's enum of control ids (by which the
// Windows-side tests find it). Form::createControls makes a whole table; createControl one
// row.
#pragma once
#include <windows.h>

#include "config/Error.h"
#include "ui/toolkit/Control.h"

namespace talvek::ui {

// A control as a form's layout table declares it. `place` names where it sits and `font`
// which of the form's fonts it takes, both in the form's own enums.
struct ControlLayout {
    const char* name;
    const char* className;
    const char* text;
    // Small types: every form's table is data in the exe.
    short id;
    short x, y, width, height; // kFitText as width and height: a label sized to its text
    DWORD style, exStyle;
    signed char place;
    signed char font;
};
constexpr int kNoFont = -1; // the control keeps the system's font
constexpr int kFitText = -1;

// One row of a form's layout table: the control and the way to the member that holds it,
// `&member<&TForm::ok_>` (nullptr for a label nobody addresses).
template <typename Form> struct ControlRow {
    ControlLayout layout;
    Control* (*control)(Form& form);
};
template <auto Member, typename Form> Control* member(Form& form) {
    return &(form.*Member);
}

// Creates the child control of `layout` in `parent` with the given font and extra style, and
// attaches it to `into` when there is one. Fails when the window cannot be made.
AppError createControl(const ControlLayout& layout, HWND parent, HFONT font, DWORD extraStyle,
                       Control* into);

} // namespace talvek::ui

// Small helpers for standard controls placed at exact pixel positions, and the row of a
// form's layout table that creates one.
#pragma once
#include <windows.h>

#include <string>

#include "config/Error.h"
#include "ui/toolkit/Control.h"
#include "ui/toolkit/Handles.h"

namespace talvek::ui {

// A control as a form's layout table declares it. `place` names where it sits and `font`
// which of the form's fonts it takes, both in the form's own enums.
struct ControlLayout {
    const char* name;
    const char* className;
    const char* text;
    int x, y, width, height; // kFitText as width and height: a label sized to its text
    DWORD style, exStyle;
    int place;
    int font;
};
constexpr int kNoFont = -1; // the control keeps the system's font
constexpr int kFitText = -1;

// One row of a form's layout table: the control and the member that holds it (nullptr for
// a label nobody addresses). The row's index gives the control's id.
template <typename Form> struct ControlRow {
    ControlLayout layout;
    Control Form::*control;
};

// Creates the control of `layout` in `parent` with the given id, font and extra style, and
// attaches it to `into` when there is one. Fails when the window cannot be made.
AppError createControl(const ControlLayout& layout, HWND parent, int id, HFONT font,
                       DWORD extraStyle, Control* into);

// A child control of a system class at (x, y, width, height) in the parent's client area.
HWND createControl(HWND parent, const char* className, const std::string& text, DWORD style, int x,
                   int y, int width, int height, int id, DWORD exStyle = 0);

// A font with the given character height in pixels (lfHeight = -pixels).
Font makeFont(const char* face, int pixelHeight, bool bold = false, bool underline = false,
              int escapement = 0);
void setFont(HWND control, HFONT font);

std::string windowText(HWND wnd);
void setWindowText(HWND wnd, const std::string& text);

// Sizes a window so that its client area has the given size, keeping its position.
void setClientSize(HWND wnd, int width, int height);
// Centres a window over another one, or on the screen when `over` is null.
void centreWindow(HWND wnd, HWND over);
SIZE clientSize(HWND wnd);

} // namespace talvek::ui

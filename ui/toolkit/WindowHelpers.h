// Small helpers for windows of any kind: fonts, window texts, sizes and positions.
#pragma once
#include <windows.h>

#include <string>

#include "config/Error.h"
#include "ui/toolkit/Handles.h"

namespace talvek::ui {

// The failure of a window that cannot be made: its class or its name in the layout table.
AppError windowNotCreated(const char* name);

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

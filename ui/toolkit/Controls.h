// Small helpers for standard controls placed at exact pixel positions.
#pragma once
#include <windows.h>

#include <string>

#include "ui/toolkit/Handles.h"

namespace talvek::ui {

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
void centreOnScreen(HWND wnd);
SIZE clientSize(HWND wnd);

} // namespace talvek::ui

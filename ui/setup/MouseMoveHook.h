// Lets the form hear the mouse moving over a standard control (button, edit, list box...),
// which tells only itself about it: the control's window procedure is subclassed for as
// long as the control lives.
#pragma once
#include <windows.h>

#include <functional>

namespace talvek::ui {

void hookMouseMove(HWND control, std::function<void()> onMove);

} // namespace talvek::ui

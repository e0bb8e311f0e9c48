#include "ui/toolkit/Layout.h"

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

AppError createControl(const ControlLayout& layout, HWND parent, HFONT font, DWORD extraStyle,
                       Control* into) {
    const bool fitText = layout.width == kFitText || layout.height == kFitText;
    HWND wnd = CreateWindowExA(layout.exStyle, layout.className, layout.text,
                               layout.style | extraStyle | WS_CHILD, layout.x, layout.y,
                               fitText ? 1 : layout.width, fitText ? 1 : layout.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                               Application::instance().hinstance(), nullptr);
    if (!wnd) return windowNotCreated(layout.name);
    if (font) setFont(wnd, font);
    if (fitText) {
        WindowDC dc(wnd);
        SelectGuard select(dc.get(), font);
        SIZE size{};
        GetTextExtentPoint32A(dc.get(), layout.text, lstrlenA(layout.text), &size);
        SetWindowPos(wnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    if (into) into->attach(wnd);
    return AppError();
}

} // namespace talvek::ui

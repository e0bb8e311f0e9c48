#include "ui/toolkit/Form.h"

namespace talvek::ui {

AppError Form::parentFor(int, HWND& parent) {
    parent = hwnd();
    return AppError();
}

AppError Form::createRow(const ControlLayout& layout, const Font* fonts, DWORD extraStyle,
                         Control* into) {
    HWND parent = nullptr;
    TALVEK_TRY(parentFor(layout.place, parent));
    HFONT font = layout.font == kNoFont ? nullptr : fonts[layout.font].get();
    return createControl(layout, parent, font, extraStyle, into);
}

} // namespace talvek::ui

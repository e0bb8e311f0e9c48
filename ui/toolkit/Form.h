// A top-level window of ours whose controls come from its layout table: the one loop that
// creates them, so every form numbers, places and attaches its controls the same way.
#pragma once
#include <windows.h>

#include <cstddef>

#include "ui/toolkit/Handles.h"
#include "ui/toolkit/Layout.h"
#include "ui/toolkit/Window.h"

namespace talvek::ui {

class Form : public Window {
  protected:
    // Creates the controls of `table` in its order, which is the keyboard order: each in the
    // window parentFor gives for its place, with the id and the font its row names (the font
    // out of `fonts`), and attached to the member its row names.
    template <typename F, std::size_t N>
    AppError createControls(const ControlRow<F> (&table)[N], const Font* fonts,
                            DWORD extraStyle = 0) {
        F& form = static_cast<F&>(*this);
        for (const ControlRow<F>& row : table)
            TALVEK_TRY(createRow(row.layout, fonts, extraStyle,
                                 row.control ? row.control(form) : nullptr));
        return AppError();
    }
    // The window the controls of a place go in: the form itself, unless the form has pages or
    // panels; it may make one there when the first control for it comes.
    virtual AppError parentFor(int place, HWND& parent);

  private:
    AppError createRow(const ControlLayout& layout, const Font* fonts, DWORD extraStyle,
                       Control* into);
};

} // namespace talvek::ui

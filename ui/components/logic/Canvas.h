// What the components draw on: a screen area or an off-screen bitmap with its own pixels.
// The Win32 side implements it over GDI; the unit tests record what is drawn where. Only making
// a bitmap or a font can fail; drawing on what exists cannot.
#pragma once
#include <string>

#include "config/Error.h"
#include "ui/components/logic/Properties.h"

namespace talvek::ui {

class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Bitmaps only: gives the bitmap w by h pixels of undefined content (0 by 0 is allowed).
    virtual AppError setSize(int w, int h) = 0;
    // Font for textOut and the measurements.
    virtual AppError setFont(const TFontSpec& font) = 0;
    virtual int textWidth(const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;
    // Fills the rectangle from (left, top) up to (right, bottom), exclusive.
    virtual void fillRect(int left, int top, int right, int bottom, TColor color) = 0;
    // Draws text in the font's colour on an opaque background.
    virtual void textOut(int x, int y, const std::string& text, TColor background) = 0;
    // Copies the whole source pixel for pixel with its top-left corner at (x, y); whatever
    // falls outside this canvas is clipped.
    virtual void draw(int x, int y, const Canvas& source) = 0;
};

} // namespace talvek::ui

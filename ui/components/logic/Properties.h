// The types of the components' properties and events: colours, fonts, alignment, mouse
// buttons. Portable: the components' logic keeps its properties in them, and the Win32 side
// makes GDI objects of them.
#pragma once
#include <cstdint>
#include <string>

namespace talvek::ui {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Colours are 00BBGGRR values, or system-colour codes (high byte 80, low byte the index).
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clWindow = 0x80000005; // system window background
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
inline bool isSystemColor(TColor c) {
    return (c & 0xFF000000u) == 0x80000000u;
}

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A font as components keep it; the Win32 side makes the GDI font from it.
struct TFontSpec {
    std::string name = "MS Sans Serif";
    int height = 11; // character height in pixels (LOGFONT.lfHeight = -height): 8 pt
    TColor color = clWindowText;
    bool bold = false, italic = false, underline = false;
};

} // namespace talvek::ui

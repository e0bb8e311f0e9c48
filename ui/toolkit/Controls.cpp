#include "ui/toolkit/Controls.h"

#include <vector>

#include "ui/toolkit/Application.h"

namespace talvek::ui {

HWND createControl(HWND parent, const char* className, const std::string& text, DWORD style, int x,
                   int y, int width, int height, int id, DWORD exStyle) {
    return CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD, x, y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           Application::instance().hinstance(), nullptr);
}

AppError createControl(const ControlLayout& layout, HWND parent, int id, HFONT font,
                       DWORD extraStyle, Control* into) {
    const bool fitText = layout.width == kFitText || layout.height == kFitText;
    HWND wnd = createControl(parent, layout.className, layout.text, layout.style | extraStyle,
                             layout.x, layout.y, fitText ? 1 : layout.width,
                             fitText ? 1 : layout.height, id, layout.exStyle);
    if (!wnd) return AppError("Fenster " + std::string(layout.name) + " kann nicht erzeugt werden");
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

Font makeFont(const char* face, int pixelHeight, bool bold, bool underline, int escapement) {
    LOGFONTA lf{};
    lf.lfHeight = -pixelHeight;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return Font(CreateFontIndirectA(&lf));
}

void setFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::string windowText(HWND wnd) {
    int length = GetWindowTextLengthA(wnd);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    int got = GetWindowTextA(wnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

void setWindowText(HWND wnd, const std::string& text) {
    SetWindowTextA(wnd, text.c_str());
}

void setClientSize(HWND wnd, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(wnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(wnd, GWL_EXSTYLE)));
    SetWindowPos(wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreWindow(HWND wnd, HWND over) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (over) GetWindowRect(over, &area);
    RECT r;
    GetWindowRect(wnd, &r);
    int x = area.left + (area.right - area.left - (r.right - r.left)) / 2;
    int y = area.top + (area.bottom - area.top - (r.bottom - r.top)) / 2;
    SetWindowPos(wnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE clientSize(HWND wnd) {
    RECT r;
    GetClientRect(wnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

} // namespace talvek::ui

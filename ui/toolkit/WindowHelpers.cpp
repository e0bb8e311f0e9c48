#include "ui/toolkit/WindowHelpers.h"

#include <vector>

namespace talvek::ui {

AppError windowNotCreated(const char* name) {
    std::string text = "Fenster ";
    text += name;
    text += " kann nicht erzeugt werden";
    return AppError(std::move(text));
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

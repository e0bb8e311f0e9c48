// A plain top-level window to place components in, and the pixels a window shows.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/toolkit/Application.h"

namespace componenttest {

inline void initApplication() {
    talvek::ui::Application& app = talvek::ui::Application::instance();
    if (!app.handle()) {
        EXPECT_TRUE(app.initialize(GetModuleHandleA(nullptr), "Talvek 95").ok());
    }
}

class HostWindow {
  public:
    HostWindow(int width, int height) {
        initApplication();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "TalvekComponentHost";
        RegisterClassA(&wc); // fails harmlessly when already registered
        wnd_ = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Komponenten",
                               WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, width, height,
                               nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(wnd_);
    }
    ~HostWindow() { DestroyWindow(wnd_); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND get() const { return wnd_; }

  private:
    HWND wnd_;
};

// One host for all component tests: without a window manager (Xvfb) Wine waits up to two
// seconds for every top-level window it destroys, so the host lives until the process ends.
// Each test frees its own components, which takes their windows away with them.
inline HWND sharedHost() {
    static HostWindow* host = new HostWindow(300, 120);
    InvalidateRect(host->get(), nullptr, TRUE);
    return host->get();
}

// The client area of a window as 0x00RRGGBB values, row by row from the top.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> data;
    std::uint32_t at(int x, int y) const {
        return data[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

inline Pixels capture(HWND wnd) {
    RECT r;
    GetClientRect(wnd, &r);
    Pixels p;
    p.width = r.right;
    p.height = r.bottom;
    p.data.assign(static_cast<size_t>(p.width) * static_cast<size_t>(p.height), 0);
    HDC dc = GetDC(wnd);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, p.width, p.height);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, p.width, p.height, dc, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFOHEADER bih{};
    bih.biSize = sizeof bih;
    bih.biWidth = p.width;
    bih.biHeight = -p.height; // top-down
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    bih.biCompression = BI_RGB;
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(p.height), p.data.data(),
              reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS);
    for (auto& px : p.data)
        px &= 0xFFFFFF;
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(wnd, dc);
    return p;
}

} // namespace componenttest

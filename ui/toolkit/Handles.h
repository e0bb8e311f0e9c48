// RAII owners for the handles of GDI and USER, on the platform's UniqueHandle.
#pragma once
#include <windows.h>

#include "platform/win32/Handles.h"

namespace talvek::ui {

template <typename T> struct GdiTraits {
    static T invalid() { return nullptr; }
    static void close(T h) { DeleteObject(h); }
};
template <typename T> using GdiObject = UniqueHandle<T, GdiTraits<T>>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

struct MenuTraits {
    static HMENU invalid() { return nullptr; }
    static void close(HMENU h) { DestroyMenu(h); }
};
using Menu = UniqueHandle<HMENU, MenuTraits>;

struct MemoryDCTraits {
    static HDC invalid() { return nullptr; }
    static void close(HDC h) { DeleteDC(h); }
};
using MemoryDC = UniqueHandle<HDC, MemoryDCTraits>;

// A window of our own that no parent takes with it.
struct WindowTraits {
    static HWND invalid() { return nullptr; }
    static void close(HWND h) { DestroyWindow(h); }
};
using OwnedWindow = UniqueHandle<HWND, WindowTraits>;

// A window's device context from GetDC, released to the same window.
class WindowDC {
  public:
    explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND wnd_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
  public:
    explicit PaintDC(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
    ~PaintDC() { EndPaint(wnd_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }
    const RECT& area() const { return ps_.rcPaint; }

  private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() { SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace talvek::ui

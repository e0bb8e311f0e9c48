#include "ui/components/Banner.h"

#include "ui/components/GdiCanvas.h"
#include "ui/toolkit/Application.h"

namespace talvek::ui {

namespace {

const char* const kBannerClass = "TBanner";
const UINT_PTR kScrollTimer = 1;

TMouseButton buttonOf(UINT message) {
    return message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? TMouseButton::mbRight
                                                                : TMouseButton::mbLeft;
}

} // namespace

AppError TBanner::CreateIn(HWND parent, int left, int top, int width, int height, int id) {
    SetWidth(width);
    SetHeight(height);
    // No background brush: the banner paints every pixel itself, so a repaint never flickers.
    registerClass(kBannerClass, nullptr);
    TALVEK_TRY(create(0, kBannerClass, "", WS_CHILD | (Visible() ? WS_VISIBLE : 0), left, top,
                      Width(), Height(), parent, id));
    return UpdateTimer(timerRunning_, timerInterval_);
}

Reply TBanner::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paintWindow();
    case WM_TIMER:
        // While a failed step's box is open, or a step's own handler shows one, the ticks
        // are dropped: one fault gives one box and not one every interval.
        if (wParam == kScrollTimer && !stepping_ && !showingError()) return step();
        return 0;
    case WM_LBUTTONDBLCLK:
        DblClick();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (OnMouseDown) OnMouseDown(*this, buttonOf(message), x, y);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (message == WM_LBUTTONUP && OnClick) OnClick(*this);
        if (OnMouseUp) OnMouseUp(*this, buttonOf(message), x, y);
        return 0;
    case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove(*this, x, y);
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

AppError TBanner::paintWindow() {
    PaintDC dc(hwnd());
    DcCanvas screen(dc.get(), Width(), Height());
    paintDc_ = dc.get();
    AppError error = Paint(screen);
    paintDc_ = nullptr;
    if (!error) screenCopies_ += screen.copies();
    return error;
}

AppError TBanner::step() {
    stepping_ = true;
    AppError error = ScrollStep();
    stepping_ = false;
    return error;
}

AppError TBanner::SetBitmap(HBITMAP picture) {
    PictureCanvas source(picture);
    if (!source.valid()) return AppError("Ungültiges Bild");
    return BannerCore::SetBitmap(source);
}

void TBanner::SetVisible(bool value) {
    BannerCore::SetVisible(value);
    if (hwnd()) ShowWindow(hwnd(), value ? SW_SHOW : SW_HIDE);
}

std::unique_ptr<Canvas> TBanner::CreateBitmap() {
    return std::make_unique<BitmapCanvas>(paintDc_);
}

AppError TBanner::UpdateTimer(bool running, std::uint16_t interval) {
    if (hwnd() && running) {
        if (!SetTimer(hwnd(), kScrollTimer, interval, nullptr))
            return AppError("Nicht genügend Timer verfügbar");
    } else if (hwnd()) {
        KillTimer(hwnd(), kScrollTimer);
    }
    // Without a window the timer starts when the window is created.
    timerRunning_ = running;
    timerInterval_ = interval;
    return AppError();
}

void TBanner::RepaintNow() {
    if (hwnd()) {
        InvalidateRect(hwnd(), nullptr, FALSE);
        UpdateWindow(hwnd());
    }
}

bool TBanner::ShiftAndCtrlDown() {
    return (GetKeyState(VK_SHIFT) & 0x8000) && (GetKeyState(VK_CONTROL) & 0x8000);
}

void TBanner::ShowNotice(const std::string& caption, const std::string& text) {
    MessageBeep(MB_ICONASTERISK);
    MessageBoxA(Application::instance().mainWindow(), text.c_str(), caption.c_str(),
                MB_OK | MB_ICONINFORMATION);
}

void TBanner::BoundsChanged() {
    if (hwnd())
        SetWindowPos(hwnd(), nullptr, 0, 0, Width(), Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

} // namespace talvek::ui

#include "ui/components/Banner.h"

#include "ui/components/GdiCanvas.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/Window.h"

namespace talvek::ui {

namespace {
const char* const kBannerClass = "TBanner";
const UINT_PTR kScrollTimer = 1;
} // namespace

// The banner's window: opaque (no background brush, WM_ERASEBKGND does nothing), so a repaint
// never flickers; everything else goes to the banner.
class BannerWindow : public Window {
  public:
    explicit BannerWindow(TBanner& banner) : banner_(banner) {}
    AppError createIn(HWND parent, int x, int y) {
        registerClass(kBannerClass, nullptr);
        DWORD style = WS_CHILD | (banner_.Visible() ? WS_VISIBLE : 0);
        return create(0, kBannerClass, "", style, x, y, banner_.Width(), banner_.Height(), parent);
    }

  protected:
    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return paint();
        case WM_TIMER:
            // While a failed step's box is open, or a step's own handler shows one, the ticks
            // are dropped: one fault gives one box and not one every interval.
            if (wParam == kScrollTimer && !stepping_ && !showingError()) return step();
            return 0;
        case WM_LBUTTONDBLCLK:
            banner_.DblClick();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (banner_.OnMouseDown) banner_.OnMouseDown(banner_, button(message), x, y);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (message == WM_LBUTTONUP && banner_.OnClick) banner_.OnClick(banner_);
            if (banner_.OnMouseUp) banner_.OnMouseUp(banner_, button(message), x, y);
            return 0;
        case WM_MOUSEMOVE:
            if (banner_.OnMouseMove) banner_.OnMouseMove(banner_, x, y);
            return 0;
        }
        return defaultHandling(message, wParam, lParam);
    }

  private:
    AppError paint() {
        PaintDC dc(hwnd());
        DcCanvas screen(dc.get(), banner_.Width(), banner_.Height());
        banner_.paintDc_ = dc.get();
        AppError error = banner_.Paint(screen);
        banner_.paintDc_ = nullptr;
        if (!error) banner_.screenCopies_ += screen.copies();
        return error;
    }

    AppError step() {
        stepping_ = true;
        AppError error = banner_.ScrollStep();
        stepping_ = false;
        return error;
    }

    static TMouseButton button(UINT message) {
        return message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? TMouseButton::mbRight
                                                                    : TMouseButton::mbLeft;
    }
    TBanner& banner_;
    bool stepping_ = false;
};

TBanner::TBanner(TComponent* owner) : BannerCore(owner) {}

TBanner::~TBanner() = default;

AppError TBanner::CreateIn(HWND parent, int left, int top, int width, int height) {
    window_.reset();
    left_ = left;
    top_ = top;
    SetWidth(width);
    SetHeight(height);
    auto window = std::make_unique<BannerWindow>(*this);
    TALVEK_TRY(window->createIn(parent, left, top));
    window_ = std::move(window);
    return UpdateTimer(timerRunning_, timerInterval_);
}

void TBanner::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    SetWidth(width);
    SetHeight(height);
}

HWND TBanner::Handle() const {
    return window_ ? window_->hwnd() : nullptr;
}

AppError TBanner::SetBitmap(HBITMAP picture) {
    PictureCanvas source(picture);
    if (!source.valid()) return AppError("Ungültiges Bild");
    return BannerCore::SetBitmap(source);
}

void TBanner::SetVisible(bool value) {
    BannerCore::SetVisible(value);
    if (HWND wnd = Handle()) ShowWindow(wnd, value ? SW_SHOW : SW_HIDE);
}

std::unique_ptr<Canvas> TBanner::CreateBitmap() {
    return std::make_unique<BitmapCanvas>(paintDc_);
}

AppError TBanner::UpdateTimer(bool running, std::uint16_t interval) {
    HWND wnd = Handle();
    if (wnd && running) {
        if (!SetTimer(wnd, kScrollTimer, interval, nullptr))
            return AppError("Nicht genügend Timer verfügbar");
    } else if (wnd) {
        KillTimer(wnd, kScrollTimer);
    }
    // Without a window the timer starts when the window is created.
    timerRunning_ = running;
    timerInterval_ = interval;
    return AppError();
}

void TBanner::RepaintNow() {
    if (HWND wnd = Handle()) {
        InvalidateRect(wnd, nullptr, FALSE);
        UpdateWindow(wnd);
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
    if (HWND wnd = Handle())
        SetWindowPos(wnd, nullptr, left_, top_, Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

} // namespace talvek::ui

#include "ui/components/UrlLabel.h"

#include "platform/win32/Win32Shell.h"
#include "ui/components/GdiCanvas.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/WindowHelpers.h"
#include "ui/toolkit/Window.h"

namespace talvek::ui {

namespace {
const char* const kUrlLabelClass = "TUrlLabel";
const UINT kCopyItem = 1;

HWND applicationWindow() {
    return Application::instance().handle();
}
} // namespace

// The label's window: paints opaquely from a memory bitmap, shows the hand pointer, holds the
// capture while the left button is down and owns the "Copy" menu.
class UrlLabelWindow : public Window {
  public:
    explicit UrlLabelWindow(TUrlLabel& label) : label_(label) {}
    AppError createIn(HWND parent, int x, int y, int w, int h) {
        registerClass(kUrlLabelClass, nullptr);
        return create(0, kUrlLabelClass, label_.Caption().c_str(), WS_CHILD | WS_VISIBLE, x, y, w,
                      h, parent);
    }

  protected:
    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return paint();
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                if (label_.hand_) {
                    SetCursor(label_.hand_);
                    return TRUE;
                }
            }
            break;
        case WM_LBUTTONDOWN:
            SetCapture(hwnd());
            label_.MouseDown(TMouseButton::mbLeft, x, y);
            return 0;
        case WM_LBUTTONUP:
            leftButtonUp(x, y);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd()) label_.CancelPress();
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            label_.MouseDown(other(message), x, y);
            return 0;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            label_.MouseUp(other(message), x, y, true);
            // The context menu follows through WM_CONTEXTMENU.
            return defaultHandling(message, wParam, lParam);
        case WM_MOUSEMOVE:
            label_.MouseMove(x, y);
            return 0;
        case WM_CONTEXTMENU:
            contextMenu(POINT{x, y});
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kCopyItem && lParam == 0) label_.CopyClick();
            return 0;
        }
        return defaultHandling(message, wParam, lParam);
    }

  private:
    void leftButtonUp(int x, int y) {
        RECT client;
        GetClientRect(hwnd(), &client);
        const POINT at{x, y};
        label_.MouseUp(TMouseButton::mbLeft, x, y, PtInRect(&client, at) != FALSE);
        if (GetCapture() == hwnd()) ReleaseCapture();
    }

    // At the pointer's screen position `at`; from the keyboard (-1, -1) below the label's
    // corner. The chosen item arrives as WM_COMMAND.
    void contextMenu(POINT at) {
        if (at.x == -1 && at.y == -1) {
            at = POINT{0, 0};
            ClientToScreen(hwnd(), &at);
        }
        TrackPopupMenu(label_.PopupMenu(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(),
                       nullptr);
    }

    static TMouseButton other(UINT message) {
        return message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? TMouseButton::mbRight
                                                                    : TMouseButton::mbMiddle;
    }

    AppError paint() {
        PaintDC dc(hwnd());
        RECT client;
        GetClientRect(hwnd(), &client);
        BitmapCanvas frame(dc.get());
        if (AppError error = frame.setFont(label_.Font())) return error;
        if (AppError error = frame.setSize(client.right, client.bottom)) return error;
        frame.fillRect(0, 0, client.right, client.bottom, label_.Color());
        frame.textOut(0, 0, label_.Caption(), label_.Color());
        DcCanvas screen(dc.get(), client.right, client.bottom);
        screen.draw(0, 0, frame);
        return AppError();
    }

    TUrlLabel& label_;
};

TUrlLabel::TUrlLabel(TComponent* owner)
    : UrlLabelCore(owner), ownShell_(std::make_unique<Win32Shell>(&applicationWindow)),
      hand_(LoadCursorA(Application::instance().hinstance(), "HAND")) {
    SetShell(ownShell_.get());
}

TUrlLabel::~TUrlLabel() = default;

AppError TUrlLabel::CreateIn(HWND parent, int left, int top, int width, int height) {
    window_.reset();
    if (!menu_) {
        Menu menu(CreatePopupMenu());
        if (!menu || !AppendMenuA(menu.get(), MF_STRING, kCopyItem, kUrlLabelCopyCaption))
            return AppError("Menü kann nicht erzeugt werden");
        menu_ = std::move(menu);
    }
    auto window = std::make_unique<UrlLabelWindow>(*this);
    TALVEK_TRY(window->createIn(parent, left, top, width, height));
    window_ = std::move(window);
    return AppError();
}

void TUrlLabel::SetBounds(int left, int top, int width, int height) {
    if (HWND wnd = Handle())
        SetWindowPos(wnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TUrlLabel::Handle() const {
    return window_ ? window_->hwnd() : nullptr;
}

HMENU TUrlLabel::PopupMenu() const {
    return menu_.get();
}

void TUrlLabel::Changed() {
    if (HWND wnd = Handle()) {
        if (Caption() != windowText(wnd)) SetWindowTextA(wnd, Caption().c_str());
        InvalidateRect(wnd, nullptr, FALSE);
        UpdateWindow(wnd);
    }
}

} // namespace talvek::ui

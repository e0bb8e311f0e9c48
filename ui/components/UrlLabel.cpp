#include "ui/components/UrlLabel.h"

#include "platform/win32/Win32Shell.h"
#include "ui/components/GdiCanvas.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {

const char* const kUrlLabelClass = "TUrlLabel";
const UINT kCopyItem = 1;

HWND applicationWindow() {
    return Application::instance().handle();
}

TMouseButton otherButton(UINT message) {
    return message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? TMouseButton::mbRight
                                                                : TMouseButton::mbMiddle;
}

} // namespace

TUrlLabel::TUrlLabel()
    : ownShell_(std::make_unique<Win32Shell>(&applicationWindow)),
      hand_(LoadCursorA(Application::instance().hinstance(), "HAND")) {
    SetShell(ownShell_.get());
}

TUrlLabel::~TUrlLabel() = default;

AppError TUrlLabel::CreateIn(HWND parent, int left, int top, int width, int height, int id) {
    Menu menu(CreatePopupMenu());
    if (!menu || !AppendMenuA(menu.get(), MF_STRING, kCopyItem, kUrlLabelCopyCaption))
        return AppError("Menü kann nicht erzeugt werden");
    menu_ = std::move(menu);
    // No background brush: the label paints every pixel from a memory bitmap.
    registerClass(kUrlLabelClass, nullptr);
    return create(0, kUrlLabelClass, Caption().c_str(), WS_CHILD | WS_VISIBLE, left, top, width,
                  height, parent, id);
}

Reply TUrlLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paintWindow();
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && hand_) {
            SetCursor(hand_);
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        SetCapture(hwnd());
        MouseDown(TMouseButton::mbLeft, x, y);
        return 0;
    case WM_LBUTTONUP:
        leftButtonUp(x, y);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd()) CancelPress();
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        MouseDown(otherButton(message), x, y);
        return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        MouseUp(otherButton(message), x, y, true);
        // The context menu follows through WM_CONTEXTMENU.
        return defaultHandling(message, wParam, lParam);
    case WM_MOUSEMOVE:
        MouseMove(x, y);
        return 0;
    case WM_CONTEXTMENU:
        contextMenu(POINT{x, y});
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCopyItem && lParam == 0) CopyClick();
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

void TUrlLabel::leftButtonUp(int x, int y) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const POINT at{x, y};
    MouseUp(TMouseButton::mbLeft, x, y, PtInRect(&client, at) != FALSE);
    if (GetCapture() == hwnd()) ReleaseCapture();
}

// At the pointer's screen position `at`; from the keyboard (-1, -1) below the label's
// corner. The chosen item arrives as WM_COMMAND.
void TUrlLabel::contextMenu(POINT at) {
    if (at.x == -1 && at.y == -1) {
        at = POINT{0, 0};
        ClientToScreen(hwnd(), &at);
    }
    TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
}

AppError TUrlLabel::paintWindow() {
    PaintDC dc(hwnd());
    RECT client;
    GetClientRect(hwnd(), &client);
    BitmapCanvas frame(dc.get());
    if (AppError error = frame.setFont(Font())) return error;
    if (AppError error = frame.setSize(client.right, client.bottom)) return error;
    frame.fillRect(0, 0, client.right, client.bottom, Color());
    frame.textOut(0, 0, Caption(), Color());
    DcCanvas screen(dc.get(), client.right, client.bottom);
    screen.draw(0, 0, frame);
    return AppError();
}

void TUrlLabel::Changed() {
    if (hwnd()) {
        if (Caption() != windowText(hwnd())) SetWindowTextA(hwnd(), Caption().c_str());
        InvalidateRect(hwnd(), nullptr, FALSE);
        UpdateWindow(hwnd());
    }
}

} // namespace talvek::ui

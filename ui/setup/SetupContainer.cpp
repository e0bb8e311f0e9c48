#include "ui/setup/SetupContainer.h"

#include "ui/toolkit/Handles.h"

namespace talvek::ui {

namespace {
const char* const kClassName = "TSetupContainer";
}

SetupContainer::SetupContainer(HWND parent, int x, int y, int width, int height, HWND notify,
                               Look look, DWORD extraStyle, DWORD exStyle)
    : notify_(notify), look_(look) {
    registerClass(kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, 0);
    create(exStyle, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | extraStyle, x, y,
           width, height, parent);
}

LRESULT SetupContainer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return SendMessageA(notify_, message, wParam, lParam);
    case WM_MOUSEMOVE:
        if (onMouseMove) onMouseMove();
        return 0;
    case WM_ERASEBKGND:
        if (onPaint) return 1; // the picture covers everything
        break;
    case WM_PAINT: {
        PaintDC dc(hwnd());
        if (onPaint) onPaint(dc.get());
        if (look_ == Look::RaisedFrame) {
            RECT r;
            GetClientRect(hwnd(), &r);
            DrawEdge(dc.get(), &r, BDR_RAISEDINNER, BF_RECT);
        }
        return 0;
    }
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace talvek::ui

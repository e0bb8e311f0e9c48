#include "ui/toolkit/Panel.h"

#include <windowsx.h>

#include "ui/toolkit/Handles.h"

namespace talvek::ui {

namespace {
const char* const kClassName = "TPanel";
}

AppError Panel::createIn(HWND parent, int x, int y, int width, int height, DWORD extraStyle,
                         DWORD exStyle) {
    registerClass(kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, 0);
    return create(exStyle, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | extraStyle, x,
                  y, width, height, parent);
}

Reply Panel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (onMouseMove) onMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
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

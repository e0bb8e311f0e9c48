// A plain child window that holds controls: a notebook page or a framing panel. Its controls'
// notifications reach their own handlers (Window reflects them); it reports mouse movement over
// its free area and paints either a raised frame or a picture of the owner's choosing.
#pragma once
#include "ui/toolkit/Handler.h"
#include "ui/toolkit/Window.h"

namespace talvek::ui {

class Panel : public Window {
  public:
    enum class Look { Plain, RaisedFrame };

    explicit Panel(Look look) : look_(look) {}
    // Makes the panel's window in `parent`; fails when it cannot be made.
    AppError createIn(HWND parent, int x, int y, int width, int height, DWORD extraStyle = 0,
                      DWORD exStyle = 0);

    // The pointer over the free area, or over a disabled control (which the platform does not
    // tell), in the panel's client coordinates.
    Handler<void(POINT at)> onMouseMove;
    // Paints the free area instead of the plain button-face background.
    Handler<void(HDC dc)> onPaint;

  protected:
    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    Look look_;
};

} // namespace talvek::ui

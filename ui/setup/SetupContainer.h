// A plain child window that holds controls: a notebook page or a framing panel of the setup
// dialog. It hands its controls' notifications on to the form, reports mouse movement over
// its own free area, and paints either a raised frame or a picture of the owner's choosing.
#pragma once
#include <functional>

#include "ui/toolkit/Window.h"

namespace talvek::ui {

class SetupContainer : public Window {
  public:
    enum class Look { Plain, RaisedFrame };

    // `notify` receives WM_COMMAND, WM_NOTIFY and the WM_CTLCOLOR* messages of the children.
    SetupContainer(HWND parent, int x, int y, int width, int height, HWND notify, Look look,
                   DWORD extraStyle = 0, DWORD exStyle = 0);

    std::function<void()> onMouseMove;
    // Paints the free area instead of the plain button-face background.
    std::function<void(HDC dc)> onPaint;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HWND notify_;
    Look look_;
};

} // namespace talvek::ui

// TBanner: the scrolling banner as a child window of our own class "TBanner". It paints
// opaquely (no background erase), composes every frame in a memory bitmap and copies it to
// the screen with one BitBlt; the timer is a window timer of its own window.
#pragma once
#include <windows.h>

#include <memory>

#include "ui/components/logic/BannerCore.h"
#include "ui/toolkit/Window.h"

namespace talvek::ui {

class TBanner : public BannerCore, public Window {
  public:
    // Creates the banner's window, once, as a child of `parent` at the given position and
    // size. Properties may be written before or after; a running timer starts with the window.
    AppError CreateIn(HWND parent, int left, int top, int width, int height, int id = 0);

    using BannerCore::SetBitmap;
    // Copies the picture into the strip; the caller keeps its bitmap.
    AppError SetBitmap(HBITMAP picture);
    void SetVisible(bool value) override;

    // Copies to the screen so far, one per painted frame (for the benchmark).
    unsigned long ScreenCopies() const { return screenCopies_; }

  protected:
    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::unique_ptr<Canvas> CreateBitmap() override;
    AppError UpdateTimer(bool running, std::uint16_t interval) override;
    void RepaintNow() override;
    bool ShiftAndCtrlDown() override;
    void ShowNotice(const std::string& caption, const std::string& text) override;
    void BoundsChanged() override;

  private:
    AppError paintWindow();
    AppError step();

    bool timerRunning_ = false;
    std::uint16_t timerInterval_ = 0;
    bool stepping_ = false;
    unsigned long screenCopies_ = 0;
    HDC paintDc_ = nullptr; // while WM_PAINT runs: frames take its format
};

} // namespace talvek::ui

// TForm1: the borderless progress window of a backup run, and the ProgressView it shows.
#pragma once
#include <memory>
#include <string>

#include "backup/ProgressView.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/Window.h"

namespace talvek {
class BackupRun;
}

namespace talvek::ui {

class TForm1 : public Window, public ProgressView {
  public:
    static constexpr int kClientWidth = 441;
    static constexpr int kClientHeight = 269;
    static constexpr int kDetailsHeight = 329;

    TForm1();
    ~TForm1() override;

    // ProgressView
    void markStep(int step, StepMark mark) override;
    void setStatus(const std::string& text, StatusColor color) override;
    void addLogLine(const std::string& text) override;
    int logLineCount() override;
    std::string logLine(int index) override;
    void showMessageBox(const std::string& text, const std::string& caption) override;
    void repaintNow() override;
    void processPendingMessages(unsigned maxWaitMs) override;
    void quit() override;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void createControls();
    void paint(HDC dc);
    void FormActivate();
    void endebClick();
    void detailsbClick();

    enum class Mark { None, Done, Error };
    Mark marks_[6] = {};
    std::string status_;
    COLORREF statusColor_ = RGB(255, 0, 0);
    bool activated_ = false;
    bool hasLog_ = false;
    std::string pendingLog_; // lines not yet handed to the box
    void flushLog();

    HWND memo1_ = nullptr, endeb_ = nullptr, detailsb_ = nullptr;
    Font formFont_, statusFont_, memoFont_, buttonFont_;
    Bitmap title_, okImg_, errImg_; // the pictures as stored
    Bitmap okMark_, errMark_;       // the templates with black shown as white
    Brush memoBrush_;
    std::unique_ptr<BackupRun> run_;
};

} // namespace talvek::ui

// TForm1: the borderless progress window of a backup run, and the ProgressView it shows.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "backup/ProgressView.h"
#include "ui/toolkit/Form.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/StandardControls.h"

namespace talvek {
class BackupRun;
}

namespace talvek::ui {

class TForm1 : public Form, public ProgressView {
  public:
    static constexpr int kClientWidth = 441;
    static constexpr int kClientHeight = 269;
    static constexpr int kDetailsHeight = 329;
    // The most the details box holds: Windows 95's box takes no more than 65,535 bytes.
    static constexpr std::size_t kDetailsLimit = 60000;
    // The controls' ids, in the order of the layout table.
    enum ControlId : short { kMemo1 = 100, kEndeb, kDetailsb };
    // Where the row of step 1 to 6 shows its mark, in client coordinates.
    static RECT markArea(int step);

    // Creates the window, hidden; when a control cannot be made, creationError() says why.
    TForm1();
    ~TForm1() override;
    const AppError& creationError() const { return creationError_; }
    // Shows the window; once it is first active, FormActivate runs `run`, whose view this
    // window is.
    void show(BackupRun& run);

    // ProgressView
    void markStep(int step, StepMark mark) override;
    void setStatus(const std::string& text, StatusColor color) override;
    void addLogLine(const std::string& text) override;
    std::vector<std::string> wrappedAsShown(const std::vector<std::string>& lines) override;
    void showMessageBox(const std::string& text, const std::string& caption) override;
    void repaintNow() override;
    void processPendingMessages(unsigned maxWaitMs) override;
    void quit() override;

  protected:
    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The controls in tab order: the details box, then the two buttons.
    static const ControlRow<TForm1> kLayout[];
    enum FontRole { kMemoFont, kButtonFont, kFontCount };
    AppError createControls();
    void paint(HDC dc);
    AppError FormActivate(); // runs the backup run once the window is first active
    HBRUSH Memo1Color(HDC dc);
    AppError endebClick();
    AppError detailsbClick();

    enum class Mark { None, Done, Error };
    Mark marks_[6] = {};
    std::string status_;
    COLORREF statusColor_ = RGB(255, 0, 0);
    bool activated_ = false;
    std::vector<std::string> pendingLog_;  // lines not yet handed to the box
    std::deque<std::size_t> shownLengths_; // the lengths of the lines the box holds
    std::size_t shownChars_ = 0;           // the box's text, separators included
    void flushLog();

    Edit Memo1_;              // the details box
    Button endeb_, detailsb_; // "Ende", "Details >>"
    Font formFont_, statusFont_, fonts_[kFontCount];
    Bitmap title_, okImg_, errImg_; // the pictures as stored
    Bitmap okMark_, errMark_;       // the templates with black shown as white
    Brush memoBrush_;
    BackupRun* run_ = nullptr;
    AppError creationError_;
};

} // namespace talvek::ui

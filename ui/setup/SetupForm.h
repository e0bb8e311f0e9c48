// TSetupForm: the setup dialog, the main window of a start without the backup switch. It
// builds its controls at their pixel positions, loads before it is first shown, and forwards
// every control event to SetupLogic, which it serves as the view of its controls.
#pragma once
#include <memory>
#include <string>

#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfo.h"
#include "ui/setup/SetupContainer.h"
#include "ui/setup/SpinField.h"
#include "ui/setup/logic/SetupLogic.h"
#include "ui/toolkit/Component.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/Window.h"

namespace talvek::ui {

class TBanner;
class TUrlLabel;
class TFolderBrowse;

class TSetupForm : public Window, private SetupView, private FolderChooser {
  public:
    static constexpr int kClientWidth = 489;
    static constexpr int kClientHeight = 314;

    // Creates the window and its controls, loads (which may ask the first-run question) and
    // shows the window. Closing it ends the message loop. When a control cannot be made, the
    // window stays hidden and creationError() says why.
    TSetupForm();
    ~TSetupForm() override;
    const AppError& creationError() const { return creationError_; }

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    AppError createControls();
    void createFilesPage(HWND page);
    void createSettingsPage(HWND page);
    AppError createAboutPage(HWND page);
    AppError createComponents(HWND page);
    HWND label(HWND parent, const std::string& text, int x, int y, int width, int height,
               HFONT font);
    HWND control(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y,
                 int width, int height, DWORD exStyle = 0);
    void hint(HWND control, setup::HintSource source);
    void showPage(int index);
    void onCommand(HWND control, int code);
    LRESULT onNotify(const NMHDR& header);
    LRESULT onColor(UINT message, HDC dc, HWND control);
    void paintLogo(HDC dc);

    // SetupView
    int maxRecordSets() override;
    void setMaxRecordSets(int value) override;
    std::string backupDirectory() override;
    void setBackupDirectory(const std::string& text) override;
    bool batchFile() override;
    void setBatchFile(bool checked) override;
    std::string batchName() override;
    void setBatchName(const std::string& text) override;
    void setBatchNameEnabled(bool enabled) override;
    bool logFile() override;
    void setLogFile(bool checked) override;
    std::string logName() override;
    void setLogName(const std::string& text) override;
    void setLogNameEnabled(bool enabled) override;
    int everyXDays() override;
    void setEveryXDays(int value) override;
    bool active() override;
    void setActive(bool checked) override;
    std::vector<std::string> files() override;
    bool appendFile(const std::string& path) override;
    int selectedFile() override;
    void removeFile(int index) override;
    bool okEnabled() override;
    void setOkEnabled(bool enabled) override;
    void setDatePanel(const std::string& text) override;
    void setHint(const std::string& text) override;
    void restartBanner() override;
    // FolderChooser: FolderBrowse1
    bool execute(const std::string& title, std::string& directory) override;

    // The platform behind the logic.
    Win32Profile profile_;
    Win32Registry registry_;
    Win32Questions questions_;
    Win32FileOpenDialog openDialog_;
    Win32SystemInfo system_;
    Win32Clock clock_;
    SetupLogic logic_;
    bool ready_ = false; // all controls exist: notifications count from now on
    AppError creationError_;

    Font formFont_, tabFont_, pageFont_, labelFont_, versionFont_;
    Bitmap logo_;
    HWND Einstellungen_ = nullptr;
    std::unique_ptr<SetupContainer> pages_[setup::kPageCount];
    std::unique_ptr<SetupContainer> Panel1_, Panel2_;
    HWND recfileslist_ = nullptr, add_ = nullptr, delete_ = nullptr;
    HWND Edit1_ = nullptr, Browse_ = nullptr;
    SpinField Maxdatedit_, AlleXTage_;
    HWND Batchfile_ = nullptr, batchname_ = nullptr, logtxt_ = nullptr, logname_ = nullptr;
    HWND Label7_ = nullptr;
    HWND aktivate_ = nullptr, Cancel_ = nullptr, ok_ = nullptr, StatusBar1_ = nullptr;
    std::string hintText_;
    HWND lastFocus_ = nullptr; // the control that had the keyboard when the window went inactive

    // Owner of the components; declared last so they go before the windows they sit in.
    std::unique_ptr<TComponent> components_;
    TBanner* Banner1_ = nullptr;
    TUrlLabel* UrlLabel1_ = nullptr;
    TUrlLabel* UrlLabel2_ = nullptr;
    TFolderBrowse* FolderBrowse1_ = nullptr;
};

} // namespace talvek::ui

// TSetupForm: the setup dialog, the main window of a start without the backup switch. Its
// controls come from its layout table (SetupLayout.cpp), it loads before it is first shown,
// and its handlers only call SetupLogic, whose view of the controls it is.
#pragma once
#include <memory>
#include <string>
#include <utility>

#include "platform/ProfileStore.h"
#include "platform/win32/Win32Platform.h"
#include "ui/components/Banner.h"
#include "ui/components/FBrowse.h"
#include "ui/components/UrlLabel.h"
#include "ui/setup/SpinField.h"
#include "ui/setup/logic/RecordSetsPage.h"
#include "ui/setup/logic/SetupLogic.h"
#include "ui/toolkit/CommonControls.h"
#include "ui/toolkit/Form.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/Panel.h"
#include "ui/toolkit/StandardControls.h"

namespace talvek::ui {

class TSetupForm : public Form, private SetupView, private FolderChooser, private RecordSetsView {
  public:
    static constexpr int kClientWidth = 489;
    static constexpr int kClientHeight = 314;

    // Creates the window and its controls, loads (which may ask the first-run question) and
    // shows the window. Closing it ends the message loop. When a control cannot be made, the
    // window stays hidden and creationError() says why. The platform and the configuration
    // file's store outlive the window; the platform's question boxes and file-open dialog are
    // owned by the window from now on.
    TSetupForm(Win32Platform& platform, ProfileStore& profile);
    ~TSetupForm() override;
    const AppError& creationError() const { return creationError_; }

    // Where a control sits: the form, a page of the notebook (in the order of its tabs), or
    // one of the framing panels of the settings page.
    enum Place {
        kForm,
        kFilesPage,
        kSettingsPage,
        kRecordSetsPage,
        kAboutPage,
        kPanel2,
        kPanel1,
        kPlaceCount
    };
    enum FontRole { kFormFont, kTabFont, kPageFont, kLabelFont, kVersionFont, kFontCount };
    // The controls' ids: those of the layout table in its order, then the about page's
    // components.
    enum ControlId : short {
        kEinstellungen = 100,
        kLabel1,
        kAdd,
        kDelete,
        kRecfileslist,
        kEdit1,
        kBrowse,
        kMaxdatedit,
        kMaxdateditArrows,
        kBatchfile,
        kBatchname,
        kLogtxt,
        kLogname,
        kLabel2,
        kLabel3,
        kLabel4,
        kLabel5,
        kAlleXTage,
        kAlleXTageArrows,
        kLabel6,
        kLabel8,
        kLabel9,
        kCheck,
        kCompare,
        kKeep,
        kProtocol,
        kRestore,
        kUndo,
        kBackupNow,
        kRecordsetlist,
        kLabel7,
        kAktivate,
        kOk,
        kCancel,
        kStatusBar1,
        kUrlLabel1,
        kUrlLabel2,
        kBanner1
    };

  protected:
    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static const ControlRow<TSetupForm> kLayout[];
    // The hint each control gives when the mouse moves over it.
    static const std::pair<Control* (*)(TSetupForm&), setup::HintSource> kHints[];
    // SetupLayout.cpp
    AppError createControls();
    AppError parentFor(int place, HWND& parent) override;
    AppError createPlace(Place place);
    AppError setUpNotebook();
    AppError createComponents(HWND page);
    void paintLogo(HDC dc);
    // SetupForm.cpp
    void connectHandlers();
    void showPage(setup::Page page);
    setup::Page currentPage() const;
    Reply onActivate(WPARAM wParam);

    // The handlers: each calls the logic behind it.
    AppError FormCreate() { return logic_.load(); }
    AppError okClick() { return logic_.apply(); }
    AppError CancelClick();
    AppError addClick() { return logic_.addFile(); }
    AppError deleteClick();
    AppError BrowseClick();
    AppError BatchfileClick();
    AppError logtxtClick();
    // aktivateClick, Edit1Change, maxDatEditChange, AlleXTageChange, batchnameChange and
    // lognameChange: the content changed.
    AppError contentChange();
    AppError MaxdateditExit();
    AppError AlleXTageExit();
    AppError EinstellungenChanging();
    AppError EinstellungenChange();
    AppError recordsetlistClick();
    AppError checkClick() { return recordSets_.checkClick(); }
    AppError compareClick() { return recordSets_.compareClick(); }
    AppError keepClick() { return recordSets_.keepClick(); }
    AppError protocolClick() { return recordSets_.protocolClick(); }
    AppError restoreClick() { return recordSets_.restoreClick(); }
    AppError undoClick() { return recordSets_.undoClick(); }
    AppError backupNowClick() { return recordSets_.backupNowClick(); }
    HBRUSH Label7Color(HDC dc);
    void AboutPagePaint(HDC dc) { paintLogo(dc); }
    // The hints: the control's or panel's own, from kHints for the controls.
    void hintMouseMove(Control& sender);
    void backupNowMouseMove(Control&) { recordSets_.backupNowMouseMove(); }
    void Panel1MouseMove(POINT) { logic_.mouseMove(setup::HintSource::Panel1); }
    void Panel2MouseMove(POINT) { logic_.mouseMove(setup::HintSource::Panel2); }
    void AboutPageMouseMove(POINT) { logic_.mouseMove(setup::HintSource::Logo); }
    void RecordSetsPageMouseMove(POINT at);
    void UrlLabel1MouseMove(UrlLabelCore&, int, int) {
        logic_.mouseMove(setup::HintSource::MailLink);
    }
    void UrlLabel2MouseMove(UrlLabelCore&, int, int) {
        logic_.mouseMove(setup::HintSource::HomepageLink);
    }

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
    // RecordSetsView: the page "Datensätze"
    void setRecordSetRows(const std::vector<std::string>& rows, int selected) override;
    int selectedRecordSet() override;
    void setRecordSetButtons(bool enabled, bool kept) override;
    void setUndoEnabled(bool enabled) override;
    void showRecordSetReport(const std::string& text) override;
    bool askRecordSets(const std::string& text) override;
    AppError showRestoreWindow(const RecordSet& set, const std::vector<CopyState>& states) override;
    AppError showComparisonWindow(const RecordSet& set,
                                  const std::vector<CopyState>& states) override;
    void setBackupNowEnabled(bool enabled) override;
    void workStarts() override;
    void working(const std::string& hint) override;
    void workEnds() override;

    SetupLogic logic_;
    RecordSetsPage recordSets_;
    AppError creationError_;

    Font fonts_[kFontCount];
    Bitmap logo_;
    RECT pageArea_{};                            // the notebook's display area, where its pages lie
    std::unique_ptr<Panel> places_[kPlaceCount]; // none for the form itself
    TabControl Einstellungen_;                   // the notebook's tabs
    ListBox recfileslist_;                       // the file list
    Button add_, delete_;
    // The backup directory, the number of record sets kept and the interval in days.
    Edit Edit1_, Maxdatedit_, AlleXTage_;
    Button Browse_;
    UpDown MaxdateditArrows_, AlleXTageArrows_;
    CheckBox Batchfile_, logtxt_; // the recovery batch and the protocol switched on
    Edit batchname_, logname_;
    ListBox recordsetlist_;
    Button check_, compare_, keep_, protocol_, restore_, undo_, backupNow_;
    Control Label7_;     // the version on the about page
    CheckBox aktivate_;  // the autostart
    Button Cancel_, ok_; // "Ende", "Übernehmen"
    StatusBar StatusBar1_;
    SpinField maxDat_{Maxdatedit_, MaxdateditArrows_, kMaxRecordSetsRange};
    SpinField alleXTage_{AlleXTage_, AlleXTageArrows_, kEveryXDaysRange};
    std::string hintText_;
    HWND lastFocus_ = nullptr; // the control that had the keyboard when the window went inactive

    // The components, declared last so they go before the pages they sit in.
    TBanner Banner1_;                 // the credits
    TUrlLabel UrlLabel1_, UrlLabel2_; // the mail and the homepage links
    TFolderBrowse FolderBrowse1_;     // the backup directory's chooser
};

} // namespace talvek::ui

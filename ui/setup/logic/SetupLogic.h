// What the setup dialog does behind its handlers: load, apply, the file list edits, the
// change notifications, the hints and the page change. The form only forwards its events.
#pragma once
#include <string>

#include "config/Error.h"
#include "config/IniFile.h"

#include "ui/setup/logic/SetupTexts.h"
#include "ui/setup/logic/SetupView.h"

namespace talvek {

class SetupLogic {
  public:
    SetupLogic(SetupView& view, const SetupPlatform& platform) : view_(view), platform_(platform) {}

    // The handlers that can fail give back the error the form shows in its error box.
    AppError load();    // FormCreate
    AppError apply();   // okClick; leaves ok enabled when it fails
    void browse();      // BrowseClick
    AppError addFile(); // addClick
    void deleteFile();  // deleteClick

    // Content changed (Edit1, Maxdatedit, AlleXTage, batchname, logname) or aktivate toggled.
    void changed();
    void batchFileClicked();
    void logFileClicked();

    void mouseMove(setup::HintSource source);
    // Called before the switch, with the page being left.
    void pageChanging(setup::Page leaving);

    // OpenDialog1's settings: its initial folder and the file chosen last.
    const std::string& openDialogFolder() const { return openFolder_; }

  private:
    AppError append(const std::string& path);
    AppError updateAutostart();
    // The Run value holds the command line an apply would write.
    bool autostartInPlace();
    // The protocol and the batch need names of their own, and those switched on must not
    // take a listed file's name.
    AppError checkRecordFileNames();

    SetupView& view_;
    SetupPlatform platform_;
    bool loading_ = false;
    std::string openFolder_;
    std::string openFile_;
};

// The folder part of a path: up to and including its last backslash or colon.
std::string folderPart(const std::string& path);

// The date panel: the newest registered record set with its age, "keine" while there is none.
std::string lastBackupText(TIniFile& ini, const Date& today);

// The Run value that starts a backup run at every Windows start. A path with a blank is
// quoted, or Windows would split it there and start the setup dialog instead.
std::string autostartCommand(const std::string& modulePath);
// The same run started from the setup's "Jetzt sichern": due whatever the interval.
std::string backupNowCommand(const std::string& modulePath);

} // namespace talvek

// The setup dialog's controls as its logic sees them, and the platform services it uses.
#pragma once
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/ProfileStore.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace talvek {

// The form's controls. Setting a text may fire the control's change notification, just as the
// real edit fields do; the logic copes with that. Setting a check box notifies nobody.
class SetupView {
  public:
    virtual ~SetupView() = default;

    virtual int maxRecordSets() = 0; // Maxdatedit
    virtual void setMaxRecordSets(int value) = 0;
    virtual std::string backupDirectory() = 0; // Edit1
    virtual void setBackupDirectory(const std::string& text) = 0;
    virtual bool batchFile() = 0; // Batchfile
    virtual void setBatchFile(bool checked) = 0;
    virtual std::string batchName() = 0; // batchname
    virtual void setBatchName(const std::string& text) = 0;
    virtual void setBatchNameEnabled(bool enabled) = 0;
    virtual bool logFile() = 0; // logtxt
    virtual void setLogFile(bool checked) = 0;
    virtual std::string logName() = 0; // logname
    virtual void setLogName(const std::string& text) = 0;
    virtual void setLogNameEnabled(bool enabled) = 0;
    virtual int everyXDays() = 0; // AlleXTage
    virtual void setEveryXDays(int value) = 0;
    virtual bool active() = 0; // aktivate
    virtual void setActive(bool checked) = 0;

    // recfileslist
    virtual std::vector<std::string> files() = 0;
    // False when the list box refuses the line.
    virtual bool appendFile(const std::string& path) = 0;
    virtual int selectedFile() = 0; // -1 when no line is selected
    virtual void removeFile(int index) = 0;

    virtual bool okEnabled() = 0;
    virtual void setOkEnabled(bool enabled) = 0;

    // StatusBar1: the first panel, and the second (hint) panel.
    virtual void setDatePanel(const std::string& text) = 0;
    virtual void setHint(const std::string& text) = 0;

    // Banner1's ScrollPos := 0.
    virtual void restartBanner() = 0;
};

// The folder chooser component behind the Browse button.
class FolderChooser {
  public:
    virtual ~FolderChooser() = default;
    // Shows the chooser starting at `directory`; on a choice puts it into `directory`.
    virtual bool execute(const std::string& title, std::string& directory) = 0;
};

struct SetupPlatform {
    ProfileStore& profile;
    Registry& registry;
    Questions& questions;
    FileOpenDialog& openDialog;
    FolderChooser& folders;
    SystemInfo& system;
    FileSystem& files; // the Windows directory, which files exist
    Clock& clock;
};

} // namespace talvek

// The page "Datensätze" of the setup dialog: the registered record sets, newest first, and
// what the user can do with the selected one.
#pragma once
#include <utility>
#include <string>
#include <vector>

#include "backup/RecordSets.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "platform/ProfileStore.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"

namespace talvek {

class RecordSetsView {
  public:
    virtual ~RecordSetsView() = default;
    // One row per record set, the columns separated by tabs; the selection is kept by index.
    virtual void setRecordSetRows(const std::vector<std::string>& rows) = 0;
    virtual int selectedRecordSet() = 0;
    // The buttons work on the selected set; "&Behalten" reads "&Freigeben" for a kept one.
    virtual void setRecordSetButtons(bool enabled, bool kept) = 0;
    virtual void showRecordSetReport(const std::string& text) = 0;
    virtual void setBackupNowEnabled(bool enabled) = 0;
    // The status bar's panels, the same as the setup's own view has.
    virtual void setDatePanel(const std::string& text) = 0;
    virtual void setHint(const std::string& text) = 0;
};

class RecordSetsPage {
  public:
    RecordSetsPage(RecordSetsView& view, ProfileStore& profile, SystemInfo& system,
                   FileSystem& files, Shell& shell, Clock& clock, Processes& processes)
        : view_(view), profile_(profile), system_(system), files_(files), shell_(shell),
          clock_(clock), processes_(processes) {}

    void refresh();         // the page is shown
    void selectionChange(); // another row was chosen
    AppError checkClick();
    AppError compareClick();
    AppError keepClick();
    AppError protocolClick();
    // "Jetzt sichern": a backup run in a process of its own, due whatever the interval;
    // when it has ended the page reads the sets anew.
    AppError backupNowClick();
    void backupNowMouseMove();
    // ok's state: changes not yet applied would not be what the run reads.
    void changesPending(bool pending);

  private:
    std::string configurationFile();
    const RecordSetSummary* selected() const;
    void showRows();
    void showBackupNow();
    bool todayRegistered();
    // Whether "Jetzt sichern" can start a run, and why not.
    enum class BackupNow { Ready, Running, DoneToday, ChangesPending };
    BackupNow backupNowState();

    RecordSetsView& view_;
    ProfileStore& profile_;
    SystemInfo& system_;
    FileSystem& files_;
    Shell& shell_;
    Clock& clock_;
    Processes& processes_;
    std::vector<RecordSetSummary> sets_;
    // The result of the last check of each date; a vector, as the prebuilt std::map code of
    // the toolchain needs a Pentium Pro.
    std::vector<std::pair<std::string, std::string>> checked_;
    int selection_ = -1;
    bool changesPending_ = false;
    bool running_ = false; // a run started here has not ended yet
};

} // namespace talvek

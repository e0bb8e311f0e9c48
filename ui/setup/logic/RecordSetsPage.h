// The page "Datensätze" of the setup dialog: the registered record sets, newest first, and
// what the user can do with the selected one.
#pragma once
#include <utility>
#include <string>
#include <vector>

#include "backup/RecordSetChecks.h"
#include "backup/Restore.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Locks.h"
#include "platform/Processes.h"
#include "platform/ProfileStore.h"
#include "platform/SystemInfo.h"

namespace talvek {

class RecordSetsView {
  public:
    virtual ~RecordSetsView() = default;
    // One row per record set, the columns separated by tabs, and the row to select (-1: none).
    virtual void setRecordSetRows(const std::vector<std::string>& rows, int selected) = 0;
    virtual int selectedRecordSet() = 0;
    // The buttons work on the selected set; "Be&halten" reads "Frei&geben" for a kept one.
    virtual void setRecordSetButtons(bool enabled, bool kept) = 0;
    // "&Rückgängig": while the undo of a restore lists files.
    virtual void setUndoEnabled(bool enabled) = 0;
    // A box with OK, and one that asks Yes or No without an icon, over the window in front.
    virtual void showRecordSetReport(const std::string& text) = 0;
    virtual bool askRecordSets(const std::string& text) = 0;
    // The restore window over the page: the set's copies with their originals and states,
    // ticked as tickedAtFirst says; a copy that is not restorable cannot be ticked. Its
    // button calls RecordSetsPage::restoreChosen with the ticked ones.
    virtual AppError showRestoreWindow(const RecordSet& set,
                                       const std::vector<CopyState>& states) = 0;
    // The comparison window over the page: the set's copies with their originals and states;
    // the selected one's changes come from RecordSetsPage::changesOf.
    virtual AppError showComparisonWindow(const RecordSet& set,
                                          const std::vector<CopyState>& states) = 0;
    virtual void setBackupNowEnabled(bool enabled) = 0;
    // Long work over files: from workStarts to workEnds the window shows the wait cursor and
    // takes no input; `working`, between the pieces of the work, lets it repaint and answer,
    // and puts `hint`, when it is not empty, into the hint panel.
    virtual void workStarts() = 0;
    virtual void working(const std::string& hint) = 0;
    virtual void workEnds() = 0;
    // The status bar's panels, the same as the setup's own view has.
    virtual void setDatePanel(const std::string& text) = 0;
    virtual void setHint(const std::string& text) = 0;
};

class RecordSetsPage {
  public:
    RecordSetsPage(RecordSetsView& view, ProfileStore& profile, SystemInfo& system,
                   FileSystem& files, Clock& clock, Processes& processes, Locks& locks)
        : view_(view), profile_(profile), system_(system), files_(files), clock_(clock),
          processes_(processes), locks_(locks) {}

    void refresh();         // the page is shown
    void selectionChange(); // another row was chosen
    AppError checkClick();
    // "&Vergleichen": the comparison window for the selected set.
    AppError compareClick();
    // The comparison window's box for the copy `index` of `set` in the state `state`.
    std::string changesOf(const RecordSet& set, std::size_t index, CopyState state);
    AppError keepClick();
    // Shows the set's protocol in Notepad, whatever its name: a protocol named RUN.BAT is
    // read, never run.
    AppError protocolClick();
    // "&Wiederherstellen...": the restore window for the selected set.
    AppError restoreClick();
    // The restore window's button: asks once, writes back the copies `chosen` lists (the
    // ticked ones of the selected set) and reports. `done` tells the window to close: false
    // when the user said No or ticked nothing.
    AppError restoreChosen(const RecordSet& chosen, bool& done);
    // "&Rückgängig": asks once and undoes the last restore.
    AppError undoClick();
    // "Jetzt sichern": a backup run in a process of its own, due whatever the interval;
    // when it has ended the page reads the sets anew.
    AppError backupNowClick();
    void backupNowMouseMove();
    // ok's state: changes not yet applied would not be what the run reads.
    void changesPending(bool pending);

  private:
    // The selected set as the configuration file has it now. False when none is selected or
    // it is gone, which is said, and the list is shown anew.
    bool readSelected(TIniFile& ini, RecordSet& set);
    // Says that a set names no copy; false then.
    bool hasCopies(const RecordSet& set);
    void report(std::string first, const std::vector<std::string>& lines);
    // Restores the copies `set` lists, or undoes the last restore without a set, and
    // reports.
    AppError writeBack(TIniFile& ini, const RecordSet* set);
    void showRows();
    void showBackupNow();
    bool todayRegistered();
    // Whether "Jetzt sichern" can start a run, and why not.
    enum class BackupNow { Ready, Running, OtherRun, DoneToday, ChangesPending };
    BackupNow backupNowState();

    RecordSetsView& view_;
    ProfileStore& profile_;
    SystemInfo& system_;
    FileSystem& files_;
    Clock& clock_;
    Processes& processes_;
    Locks& locks_;
    std::vector<RecordSetSummary> sets_;
    std::string selected_; // the date of the selected set, kept across refreshes
    // The result of the last check of each date; a vector, as the prebuilt std::map code of
    // the toolchain needs a Pentium Pro.
    std::vector<std::pair<std::string, std::string>> checked_;
    bool changesPending_ = false;
    bool running_ = false; // a run started here has not ended yet
};

} // namespace talvek

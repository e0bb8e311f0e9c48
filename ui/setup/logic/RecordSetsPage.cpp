#include "ui/setup/logic/RecordSetsPage.h"

#include "config/Decimal.h"
#include "config/Concat.h"
#include "config/IniFile.h"
#include "backup/FileChanges.h"
#include "config/Keys.h"
#include "ui/setup/logic/SetupLogic.h"
#include "ui/setup/logic/SetupTexts.h"
#include "ui/setup/logic/WorkProgress.h"

namespace talvek {

bool RecordSetsPage::readSelected(TIniFile& ini, RecordSet& set) {
    if (selected_.empty()) return false;
    set = readRecordSet(ini, selected_);
    // A run may have removed it since the list was shown (the removal takes its section
    // first); a key written now would make an orphan section that nothing ever removes.
    if (set.exists) return true;
    const std::string date = selected_;
    refresh();
    view_.showRecordSetReport(concat({"Den Datensatz vom ", date, " gibt es nicht mehr."}));
    return false;
}

bool RecordSetsPage::hasCopies(const RecordSet& set) {
    if (!set.copies.empty()) return true;
    view_.showRecordSetReport(
        concat({"Im Datensatz vom ", set.date, " sind keine Kopien verzeichnet."}));
    return false;
}

void RecordSetsPage::report(std::string text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        text += setup::kLineBreak;
        text += line;
    }
    view_.showRecordSetReport(text);
}

void RecordSetsPage::refresh() {
    std::string file = configurationFileOf(files_);
    sets_.clear();
    bool undo = false;
    if (!file.empty()) {
        TIniFile ini(profile_, file);
        // A restore cut short by a reset is finished before anything reads the originals.
        finishCutRestore(files_, ini);
        sets_ = listRecordSets(ini);
        undo = canUndo(ini);
        view_.setDatePanel(lastBackupText(ini, dateOf(clock_.now())));
    }
    view_.setUndoEnabled(undo);
    showRows();
    showBackupNow();
}

bool RecordSetsPage::todayRegistered() {
    const std::string today = formatDateText(dateOf(clock_.now()));
    for (const RecordSetSummary& set : sets_)
        if (set.date == today) return true;
    return false;
}

RecordSetsPage::BackupNow RecordSetsPage::backupNowState() {
    if (running_) return BackupNow::Running;
    // The autostart's run, or one started from another setup dialog: a second would change
    // nothing.
    if (locks_.heldElsewhere(lock::kBackupRun)) return BackupNow::OtherRun;
    // Record sets are named by the day: the run would find today's and not be due.
    if (todayRegistered()) return BackupNow::DoneToday;
    // The run reads the configuration file, not what the dialog shows.
    if (changesPending_) return BackupNow::ChangesPending;
    return BackupNow::Ready;
}

void RecordSetsPage::showBackupNow() {
    view_.setBackupNowEnabled(backupNowState() == BackupNow::Ready);
}

void RecordSetsPage::backupNowMouseMove() {
    // Nothing tells the page when another process's run ends: the button follows the
    // state the hint tells.
    showBackupNow();
    switch (backupNowState()) {
    case BackupNow::Ready:
        return view_.setHint(setup::kBackupNowReady);
    case BackupNow::Running:
        return view_.setHint(setup::kBackupNowRunning);
    case BackupNow::OtherRun:
        return view_.setHint(setup::kBackupNowOtherRun);
    case BackupNow::DoneToday:
        return view_.setHint(setup::kBackupNowDoneToday);
    case BackupNow::ChangesPending:
        return view_.setHint(setup::kBackupNowPending);
    }
}

void RecordSetsPage::changesPending(bool pending) {
    changesPending_ = pending;
    showBackupNow();
}

AppError RecordSetsPage::backupNowClick() {
    if (running_) return AppError();
    refresh(); // a run at the Windows start may have made today's set meanwhile
    if (backupNowState() != BackupNow::Ready) return AppError();
    if (!processes_.start(backupNowCommand(system_.modulePath()), [this] {
            running_ = false;
            refresh();
        }))
        return AppError("Die Sicherung konnte nicht gestartet werden.");
    running_ = true;
    showBackupNow();
    return AppError();
}

void RecordSetsPage::showRows() {
    std::vector<std::string> rows;
    int selection = -1;
    for (const RecordSetSummary& set : sets_) {
        std::string check;
        for (const auto& c : checked_)
            if (c.first == set.date) check = c.second;
        if (set.date == selected_) selection = static_cast<int>(rows.size());
        rows.push_back(set.date + "\t" + decimalText(set.files) +
                       (set.files == 1 ? " Datei" : " Dateien") + "\t" +
                       (set.kept ? "behalten" : "") + "\t" + check);
    }
    view_.setRecordSetRows(rows, selection);
    selectionChange();
}

void RecordSetsPage::selectionChange() {
    const int row = view_.selectedRecordSet();
    const bool any = row >= 0 && static_cast<std::size_t>(row) < sets_.size();
    selected_ = any ? sets_[static_cast<std::size_t>(row)].date : std::string();
    view_.setRecordSetButtons(any, any && sets_[static_cast<std::size_t>(row)].kept);
}

AppError RecordSetsPage::checkClick() {
    TIniFile ini(profile_, configurationFileOf(files_));
    RecordSet set;
    if (!readSelected(ini, set) || !hasCopies(set)) return AppError();
    std::vector<std::string> problems;
    {
        WorkProgress work(view_, "Prüfe ", ": ");
        problems = checkRecordSet(files_, set, &work);
    }
    addKeyValue(checked_, set.date,
                problems.empty() ? "geprüft: in Ordnung"
                                 : "geprüft: " + decimalText(problems.size()) + " Fehler");
    showRows();
    if (problems.empty())
        view_.showRecordSetReport(
            concat({"Alle Kopien des Datensatzes vom ", set.date, " sind in Ordnung."}));
    else
        report(concat({"Im Datensatz vom ", set.date, " sind nicht in Ordnung:"}), problems);
    return AppError();
}

AppError RecordSetsPage::compareClick() {
    TIniFile ini(profile_, configurationFileOf(files_));
    RecordSet set;
    if (!readSelected(ini, set) || !hasCopies(set)) return AppError();
    std::vector<CopyState> states;
    {
        WorkProgress work(view_, "Vergleiche ", ": ");
        states = copyStates(files_, set, &work);
    }
    return view_.showComparisonWindow(set, states);
}

std::string RecordSetsPage::changesOf(const RecordSet& set, std::size_t index, CopyState state) {
    if (index >= set.copies.size()) return std::string();
    const SavedCopy& copy = set.copies[index];
    return describeChanges(files_, set.copyPath(copy), copy.original, state == CopyState::Damaged);
}

AppError RecordSetsPage::keepClick() {
    TIniFile ini(profile_, configurationFileOf(files_));
    RecordSet set;
    if (!readSelected(ini, set)) return AppError();
    TALVEK_TRY(keepRecordSet(ini, set.date, !set.kept));
    refresh();
    return AppError();
}

AppError RecordSetsPage::protocolClick() {
    TIniFile ini(profile_, configurationFileOf(files_));
    RecordSet set;
    if (!readSelected(ini, set)) return AppError();
    std::string protocol = protocolOf(set);
    if (protocol.empty() || !files_.fileExists(protocol))
        return AppError(concat({"Der Datensatz vom ", set.date, " hat kein Protokoll."}));
    // Opened through its file type, a protocol named RECOVERY.BAT (the batch written over
    // it) or a hand-edited RUN.BAT would be run as a DOS batch under Windows.
    const std::string windows = files_.windowsDirectory(kWindowsDirectoryBuffer);
    if (windows.empty() || !processes_.startProgram(windows + "\\notepad.exe", protocol))
        return AppError(concat({"Das Protokoll ", protocol, " kann nicht angezeigt werden."}));
    return AppError();
}

AppError RecordSetsPage::restoreClick() {
    TIniFile ini(profile_, configurationFileOf(files_));
    RecordSet set;
    if (!readSelected(ini, set) || !hasCopies(set)) return AppError();
    TALVEK_TRY(restorableSet(ini, set));
    std::vector<CopyState> states;
    {
        WorkProgress work(view_, "Vergleiche ", ": ");
        states = copyStates(files_, set, &work);
    }
    return view_.showRestoreWindow(set, states);
}

AppError RecordSetsPage::restoreChosen(const RecordSet& chosen, bool& done) {
    done = false;
    if (chosen.copies.empty()) {
        view_.showRecordSetReport("Kreuzen Sie zuerst die Dateien an, die Talvek zurückschreiben "
                                  "soll.");
        return AppError();
    }
    TIniFile ini(profile_, configurationFileOf(files_));
    // The set as it is now, before the question: a run may have removed it meanwhile.
    RecordSet set;
    if (!readSelected(ini, set)) {
        done = true;
        return AppError();
    }
    TALVEK_TRY(restorableSet(ini, set));
    RecordSet now = set;
    now.copies.clear();
    for (const SavedCopy& copy : set.copies)
        for (const SavedCopy& ticked : chosen.copies)
            if (copy.number == ticked.number && copy.original == ticked.original)
                now.copies.push_back(copy);
    std::string question =
        concat({"Sollen die angekreuzten Dateien aus dem Datensatz vom ", set.date,
                " jetzt zurückgeschrieben werden?", setup::kLineBreak,
                "Talvek hebt die jetzigen Dateien vorher in ", undoDirectory(ini),
                " auf. Mit \"Rückgängig\" bekommen Sie sie wieder."});
    if (canUndo(ini))
        question += concat({setup::kLineBreak, "Rückgängig macht dann auch die früheren "
                                               "Wiederherstellungen rückgängig."});
    if (!view_.askRecordSets(question)) return AppError();
    done = true;
    return writeBack(ini, &now);
}

AppError RecordSetsPage::writeBack(TIniFile& ini, const RecordSet* set) {
    Restore restore{files_,       ini, files_.windowsDirectory(kWindowsDirectoryBuffer),
                    clock_.now(), {},  {}};
    restore.windowsMe = system_.isWindowsMe();
    AppError error;
    {
        WorkProgress work(view_, "Schreibe ", " zurück: ");
        restore.progress = &work;
        error = set ? restoreCopies(restore, *set) : undoRestore(restore);
    }
    refresh();
    TALVEK_TRY(error);
    report(set ? concat({"Ergebnis der Wiederherstellung aus dem Datensatz vom ", set->date, ":"})
               : std::string("Ergebnis von \"Rückgängig\":"),
           restore.report);
    return AppError();
}

AppError RecordSetsPage::undoClick() {
    TIniFile ini(profile_, configurationFileOf(files_));
    const RecordSet undo = readRecordSet(ini, keys::kUndo);
    if (undo.copies.empty()) {
        refresh();
        return AppError();
    }
    if (!view_.askRecordSets(concat({"Sollen alle Dateien, die Talvek am ", undo.recordedDate,
                                     " wiederhergestellt hat, wieder so werden, wie sie vorher "
                                     "waren?"})))
        return AppError();
    return writeBack(ini, nullptr);
}

} // namespace talvek

#include "ui/setup/logic/RecordSetsPage.h"

#include "config/IniFile.h"
#include "ui/setup/logic/SetupLogic.h"

namespace talvek {

namespace {

std::string joined(const std::string& first, const std::vector<std::string>& lines) {
    std::string text = first;
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}
} // namespace

std::string RecordSetsPage::configurationFile() {
    std::string windows = system_.windowsDirectory(kWindowsDirectoryBuffer);
    return windows.empty() ? std::string() : configurationPath(windows);
}

const RecordSetSummary* RecordSetsPage::selected() const {
    if (selection_ < 0 || static_cast<std::size_t>(selection_) >= sets_.size()) return nullptr;
    return &sets_[static_cast<std::size_t>(selection_)];
}

void RecordSetsPage::refresh() {
    std::string file = configurationFile();
    sets_.clear();
    if (!file.empty()) {
        TIniFile ini(profile_, file);
        sets_ = listRecordSets(ini);
        view_.setDatePanel(lastBackupText(ini, dateOf(clock_.now())));
    }
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
    switch (backupNowState()) {
    case BackupNow::Ready:
        return view_.setHint(setup::kBackupNowReady);
    case BackupNow::Running:
        return view_.setHint(setup::kBackupNowRunning);
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
    for (const RecordSetSummary& set : sets_) {
        std::string check;
        for (const auto& c : checked_)
            if (c.first == set.date) check = c.second;
        rows.push_back(set.date + "\t" + std::to_string(set.files) +
                       (set.files == 1 ? " Datei" : " Dateien") + "\t" +
                       (set.kept ? "behalten" : "") + "\t" + check);
    }
    view_.setRecordSetRows(rows);
    selectionChange();
}

void RecordSetsPage::selectionChange() {
    selection_ = view_.selectedRecordSet();
    const RecordSetSummary* set = selected();
    view_.setRecordSetButtons(set != nullptr, set && set->kept);
}

AppError RecordSetsPage::checkClick() {
    const RecordSetSummary* set = selected();
    if (!set) return AppError();
    TIniFile ini(profile_, configurationFile());
    std::vector<std::string> problems = checkRecordSet(files_, readRecordSet(ini, set->date));
    checked_.emplace_back(
        set->date, problems.empty() ? "geprüft: in Ordnung"
                                    : "geprüft: " + std::to_string(problems.size()) + " Fehler");
    showRows();
    if (problems.empty())
        view_.showRecordSetReport("Alle Kopien des Datensatzes vom " + set->date +
                                  " sind in Ordnung.");
    else
        view_.showRecordSetReport(
            joined("Im Datensatz vom " + set->date + " sind nicht in Ordnung:", problems));
    return AppError();
}

AppError RecordSetsPage::compareClick() {
    const RecordSetSummary* set = selected();
    if (!set) return AppError();
    TIniFile ini(profile_, configurationFile());
    view_.showRecordSetReport(joined("Der Datensatz vom " + set->date + " und die Originale:",
                                     compareRecordSet(files_, readRecordSet(ini, set->date))));
    return AppError();
}

AppError RecordSetsPage::keepClick() {
    const RecordSetSummary* set = selected();
    if (!set) return AppError();
    TIniFile ini(profile_, configurationFile());
    TALVEK_TRY(keepRecordSet(ini, set->date, !set->kept));
    refresh();
    return AppError();
}

AppError RecordSetsPage::protocolClick() {
    const RecordSetSummary* set = selected();
    if (!set) return AppError();
    TIniFile ini(profile_, configurationFile());
    std::string protocol = protocolOf(readRecordSet(ini, set->date));
    if (protocol.empty() || !files_.fileExists(protocol))
        return AppError("Der Datensatz vom " + set->date + " hat kein Protokoll.");
    shell_.open(protocol);
    return AppError();
}

} // namespace talvek

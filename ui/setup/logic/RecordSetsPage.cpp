#include "ui/setup/logic/RecordSetsPage.h"

#include "config/IniFile.h"

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
    }
    showRows();
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

// TSetupForm as the view SetupLogic reads and writes: values into and out of its controls.
// Setting a value here notifies nobody; the logic does what a change means itself.
#include <windows.h>

#include <vector>

#include "ui/setup/ComparisonWindow.h"
#include "ui/setup/RestoreWindow.h"
#include "ui/setup/SetupForm.h"
#include "ui/toolkit/Application.h"

namespace talvek::ui {

int TSetupForm::maxRecordSets() {
    return maxDat_.value();
}
void TSetupForm::setMaxRecordSets(int value) {
    maxDat_.setValue(value);
}
std::string TSetupForm::backupDirectory() {
    return Edit1_.text();
}
void TSetupForm::setBackupDirectory(const std::string& text) {
    Edit1_.setText(text);
}
bool TSetupForm::batchFile() {
    return Batchfile_.checked();
}
void TSetupForm::setBatchFile(bool checked) {
    Batchfile_.setChecked(checked);
}
std::string TSetupForm::batchName() {
    return batchname_.text();
}
void TSetupForm::setBatchName(const std::string& text) {
    batchname_.setText(text);
}
void TSetupForm::setBatchNameEnabled(bool enabled) {
    batchname_.setEnabled(enabled);
}
bool TSetupForm::logFile() {
    return logtxt_.checked();
}
void TSetupForm::setLogFile(bool checked) {
    logtxt_.setChecked(checked);
}
std::string TSetupForm::logName() {
    return logname_.text();
}
void TSetupForm::setLogName(const std::string& text) {
    logname_.setText(text);
}
void TSetupForm::setLogNameEnabled(bool enabled) {
    logname_.setEnabled(enabled);
}
int TSetupForm::everyXDays() {
    return alleXTage_.value();
}
void TSetupForm::setEveryXDays(int value) {
    alleXTage_.setValue(value);
}
bool TSetupForm::active() {
    return aktivate_.checked();
}
void TSetupForm::setActive(bool checked) {
    aktivate_.setChecked(checked);
}

std::vector<std::string> TSetupForm::files() {
    return recfileslist_.items();
}

bool TSetupForm::appendFile(const std::string& path) {
    return recfileslist_.add(path);
}

int TSetupForm::selectedFile() {
    return recfileslist_.selection();
}

void TSetupForm::removeFile(int index) {
    recfileslist_.remove(index);
    recfileslist_.select(-1);
}

bool TSetupForm::okEnabled() {
    return ok_.enabled();
}

void TSetupForm::setOkEnabled(bool enabled) {
    // A button that loses its enabled state while focused would leave the keyboard nowhere.
    if (!enabled && ok_.focused()) SetFocus(GetNextDlgTabItem(hwnd(), ok_.hwnd(), FALSE));
    ok_.setEnabled(enabled);
    recordSets_.changesPending(enabled);
}

void TSetupForm::setDatePanel(const std::string& text) {
    StatusBar1_.setPanelText(0, text);
}

void TSetupForm::setHint(const std::string& text) {
    if (text == hintText_) return; // every mouse move sets it: spare the flicker
    hintText_ = text;
    StatusBar1_.setPanelText(1, text);
}

void TSetupForm::restartBanner() {
    Banner1_.SetScrollPos(0);
}

bool TSetupForm::execute(const std::string& title, std::string& directory) {
    FolderBrowse1_.SetDirectory(directory);
    FolderBrowse1_.SetTitle(title);
    if (!FolderBrowse1_.Execute(hwnd())) return false;
    directory = FolderBrowse1_.Directory();
    return true;
}

void TSetupForm::setRecordSetRows(const std::vector<std::string>& rows, int selected) {
    recordsetlist_.clear();
    for (const std::string& row : rows)
        recordsetlist_.add(row);
    recordsetlist_.select(selected);
}

int TSetupForm::selectedRecordSet() {
    return recordsetlist_.selection();
}

void TSetupForm::setRecordSetButtons(bool enabled, bool kept) {
    for (Button* button : {&check_, &compare_, &keep_, &protocol_, &restore_})
        button->setEnabled(enabled);
    keep_.setText(kept ? "Frei&geben" : "Be&halten");
}

void TSetupForm::setUndoEnabled(bool enabled) {
    if (!enabled && undo_.focused()) SetFocus(recordsetlist_.hwnd());
    undo_.setEnabled(enabled);
}

// Over the restore window while it is open: it is the main window then.
void TSetupForm::showRecordSetReport(const std::string& text) {
    MessageBoxA(Application::instance().mainWindow(), text.c_str(), setup::kCaption,
                MB_OK | MB_ICONINFORMATION);
}

bool TSetupForm::askRecordSets(const std::string& text) {
    return MessageBoxA(Application::instance().mainWindow(), text.c_str(), setup::kCaption,
                       MB_YESNO) == IDYES;
}

AppError TSetupForm::showRestoreWindow(const RecordSet& set, const std::vector<CopyState>& states) {
    TRestoreWindow window(recordSets_, set, states);
    int answer = 0;
    return window.showModal(hwnd(), answer);
}

AppError TSetupForm::showComparisonWindow(const RecordSet& set,
                                          const std::vector<CopyState>& states) {
    TComparisonWindow window(recordSets_, set, states);
    int answer = 0;
    return window.showModal(hwnd(), answer);
}

void TSetupForm::setBackupNowEnabled(bool enabled) {
    if (!enabled && backupNow_.focused()) SetFocus(recordsetlist_.hwnd());
    backupNow_.setEnabled(enabled);
}

void TSetupForm::workStarts() {
    Application::instance().beginWork();
}

void TSetupForm::working(const std::string& hint) {
    if (!hint.empty()) {
        setHint(hint);
        UpdateWindow(StatusBar1_.hwnd());
    }
    Application::instance().pumpWork();
}

void TSetupForm::workEnds() {
    Application::instance().endWork();
}

} // namespace talvek::ui

#include "ui/setup/logic/SetupLogic.h"

#include <memory>

#include "config/Decimal.h"
#include "config/DateText.h"
#include "backup/PathRules.h"
#include "config/IniFile.h"
#include "config/Keys.h"
#include "config/Settings.h"
#include "config/TextCase.h"
#include "platform/CommandLine.h"

namespace talvek {

namespace {

// Change notifications of the controls do not count while the form fills them.
class LoadingGuard {
  public:
    explicit LoadingGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~LoadingGuard() { flag_ = false; }
    LoadingGuard(const LoadingGuard&) = delete;
    LoadingGuard& operator=(const LoadingGuard&) = delete;

  private:
    bool& flag_;
};

// Stands in for the configuration file when its place is unknown: every read gives the
// default, nothing can be written.
class NoConfiguration : public ProfileStore {
  public:
    std::string read(const std::string&, const std::string&, const std::string&,
                     const std::string& def, std::size_t) override {
        return def;
    }
    bool write(const std::string&, const std::string&, const std::string&,
               const std::string&) override {
        return false;
    }
    bool removeSection(const std::string&, const std::string&) override { return false; }
    bool removeKey(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    bool hasSection(const std::string&, const std::string&) override { return false; }
    bool readSection(const std::string&, const std::string&, std::size_t,
                     std::vector<std::string>& lines) override {
        lines.clear();
        return true;
    }
    bool writeSection(const std::string&, const std::string&,
                      const std::vector<std::string>&) override {
        return false;
    }
};

const char* const kNoWindowsDirectory = "Konnte Windows Verzeichnis nicht ermitteln";
const char* const kSameRecordFileNames =
    "Die Protokolldatei und die Batchdatei brauchen verschiedene Namen.";
const char* const kRelativeDirectory =
    "Das Verzeichnis für die Datensätze muss ein vollständiger Pfad sein (z. B. C:\\Talvek95).";
const char* const kDriveRootDirectory =
    "Das Verzeichnis für die Datensätze darf nicht das "
    "Hauptverzeichnis eines Laufwerks sein (z. B. C:\\Talvek95).";

} // namespace

std::string folderPart(const std::string& path) {
    std::size_t pos = path.find_last_of("\\:");
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

std::string lastBackupText(TIniFile& ini, const Date& today) {
    // Not "Datum": the first apply makes one up so that the first run is due, and a run
    // writes it before it has saved anything, so after one cut short it names a day
    // without a record set. The list holds only sets that were made.
    const std::vector<std::string> sets = ini.ReadList(keys::kRecordList);
    if (sets.empty()) return std::string(setup::kDatePanelPrefix) + "keine";
    return setup::kDatePanelPrefix + sets.back() + setup::backupAge(sets.back(), today);
}

std::string autostartCommand(const std::string& modulePath) {
    return commandLineArgument(modulePath) + " -s";
}

std::string backupNowCommand(const std::string& modulePath) {
    return autostartCommand(modulePath) + " jetzt";
}

AppError SetupLogic::append(const std::string& path) {
    return view_.appendFile(path) ? AppError() : AppError(setup::kLineRefused);
}

AppError SetupLogic::load() {
    using namespace keys;
    std::vector<std::string> fileList;
    bool firstRunDone = false;
    // Without the Windows directory the dialog shows its defaults, asks nothing and says why.
    NoConfiguration none;
    std::string windows = platform_.files.windowsDirectory(kWindowsDirectoryBuffer);
    {
        LoadingGuard guard(loading_);
        TIniFile ini(windows.empty() ? static_cast<ProfileStore&>(none) : platform_.profile,
                     windows.empty() ? std::string() : configurationPath(windows));
        const Settings settings = readSettings(ini);
        view_.setMaxRecordSets(kMaxRecordSetsRange.clamp(settings.maxRecordSets));
        view_.setBackupDirectory(settings.backupDirectory);
        view_.setDatePanel(lastBackupText(ini, dateOf(platform_.clock.now())));
        view_.setBatchFile(settings.batchFile);
        view_.setBatchName(settings.batchName);
        view_.setLogFile(settings.logFile);
        view_.setLogName(settings.logName);
        view_.setEveryXDays(kEveryXDaysRange.clamp(settings.everyXDays));
        view_.setActive(settings.active);
        view_.setBatchNameEnabled(view_.batchFile());
        view_.setLogNameEnabled(view_.logFile());
        // Every entry is loaded: a list longer than the old 999 slots is not cut, so the next
        // apply cannot silently drop files from it.
        fileList = ini.ReadList(kFileList);
        openFolder_ = view_.backupDirectory();
        view_.setOkEnabled(false);
        firstRunDone = settings.firstRunDone;
    }
    for (const std::string& path : fileList)
        TALVEK_TRY(append(path));
    if (windows.empty()) return AppError(kNoWindowsDirectory);
    if (!firstRunDone) {
        bool yes = platform_.questions.askYesNo(setup::kFirstRunCaption, setup::firstRunText());
        view_.setOkEnabled(true);
        if (yes) {
            // On a PC with user profiles each user's settings are a registry file of his own.
            std::vector<std::string> offered = setup::systemFiles(windows), users;
            const std::string profiles = windows + "\\Profiles";
            if (platform_.files.listDirectory(profiles, users))
                for (const std::string& user : users)
                    offered.push_back(profiles + "\\" + user + "\\USER.DAT");
            // A file this PC does not have (PROTOCOL.INI without a network) would fail at
            // every run and leave a gap in every record set.
            for (const std::string& path : offered)
                if (platform_.files.fileExists(path)) TALVEK_TRY(append(path));
        }
    }
    // A cleaner tool may have removed the entry, or the program moved: the dialog must not
    // say active while no backup is made. One apply writes the entry anew.
    if (view_.active() && !autostartInPlace()) {
        platform_.questions.tell(setup::kTitle, setup::autostartMissingText());
        view_.setOkEnabled(true);
    }
    return AppError();
}

bool SetupLogic::autostartInPlace() {
    std::unique_ptr<RegistryKey> key = platform_.registry.openLocalMachine(setup::kRunKey);
    std::string command;
    // Windows finds the program whatever the case of its path.
    return key && key->getString(setup::kRunValue, command) &&
           sameIgnoringCase(command, autostartCommand(platform_.system.modulePath()));
}

AppError SetupLogic::apply() {
    using namespace keys;
    const std::string file = configurationFileOf(platform_.files);
    // Without the Windows directory the path would point at the root of the current drive.
    if (file.empty()) return AppError(kNoWindowsDirectory);
    TIniFile ini(platform_.profile, file);
    std::string directory = view_.backupDirectory();
    // A relative directory would put record sets wherever the current directory happens
    // to be when Windows starts the backup run.
    if (!isAbsoluteDirectory(directory)) return AppError(kRelativeDirectory);
    // Its root folder holds few entries, and the system's own files are among them.
    if (isDriveRoot(directory)) return AppError(kDriveRootDirectory);
    if (directory.back() == '\\') {
        directory.pop_back();
        view_.setBackupDirectory(directory);
    }
    TALVEK_TRY(checkRecordFileNames());
    Settings settings = readSettings(ini);
    // Asked before anything is written, so that the settings go in one access.
    if (!settings.firstRunDone && !view_.active() &&
        platform_.questions.askYesNo(setup::kAutostartCaption, setup::autostartText()))
        view_.setActive(true);
    settings.maxRecordSets = view_.maxRecordSets();
    settings.backupDirectory = directory;
    settings.batchFile = view_.batchFile();
    settings.batchName = view_.batchName();
    settings.logFile = view_.logFile();
    settings.logName = view_.logName();
    settings.everyXDays = view_.everyXDays();
    settings.version = setup::kVersion;
    settings.active = view_.active();
    settings.firstRunDone = true;
    TALVEK_TRY(writeSettings(ini, settings));
    // The first date lies one day before the interval, so the next backup run is due. An
    // unreadable date counts as none: the backup run would stop at it at every start.
    Date today = dateOf(platform_.clock.now()), stored;
    std::string last = ini.ReadText(kCurrentRecord, kDate, "NA");
    if (last == "NA" || !parseDateText(last, today, stored)) {
        Date first = addDays(today, -(settings.everyXDays + 1L));
        TALVEK_TRY(ini.WriteText(kCurrentRecord, kDate, formatDateText(first)));
    }
    TALVEK_TRY(ini.WriteList(kFileList, view_.files()));
    TALVEK_TRY(updateAutostart());
    view_.setOkEnabled(false);
    return AppError();
}

AppError SetupLogic::checkRecordFileNames() {
    // Of equal names the batch overwrites the protocol, and "Protokoll" would show the batch.
    if (sameFileName(view_.logName(), view_.batchName())) return AppError(kSameRecordFileNames);
    // A copy of that name would be overwritten by the protocol or the batch, and the batch
    // would later copy the protocol over the user's file.
    const std::pair<bool, std::string> own[] = {{view_.logFile(), view_.logName()},
                                                {view_.batchFile(), view_.batchName()}};
    for (const auto& [on, name] : own)
        for (const std::string& listed : view_.files())
            if (on && sameFileName(fileNamePart(listed), name))
                return AppError("Der Name " + name +
                                " ist schon der Name einer zu sichernden Datei.");
    return AppError();
}

AppError SetupLogic::updateAutostart() {
    std::unique_ptr<RegistryKey> key = platform_.registry.openLocalMachine(setup::kRunKey);
    // Without the key no backup would ever start: that is no silent matter. Unchecked,
    // there is nothing to delete.
    if (!key) return view_.active() ? AppError(setup::runValueRefused()) : AppError();
    if (view_.active()) {
        if (!key->setString(setup::kRunValue, autostartCommand(platform_.system.modulePath())))
            return AppError(setup::runValueRefused());
    } else {
        key->deleteValue(setup::kRunValue);
    }
    return AppError();
}

void SetupLogic::browse() {
    std::string directory = view_.backupDirectory();
    if (platform_.folders.execute(setup::kFolderTitle, directory))
        view_.setBackupDirectory(directory);
}

AppError SetupLogic::addFile() {
    int selected = view_.selectedFile();
    if (selected >= 0) {
        std::vector<std::string> lines = view_.files();
        if (static_cast<std::size_t>(selected) < lines.size())
            openFolder_ = folderPart(lines[static_cast<std::size_t>(selected)]);
    }
    // Only the name part of the last choice goes in: a full path would make the dialog open
    // in that file's folder and ignore the initial folder chosen above.
    std::string chosen = openFile_.substr(folderPart(openFile_).size());
    if (!platform_.openDialog.execute(openFolder_, chosen)) return AppError();
    openFile_ = chosen;
    // A second file of a listed name is saved in a folder of its own. One named like the
    // protocol or the batch is not: they would overwrite its copy.
    std::string name = fileNamePart(chosen);
    if ((view_.logFile() && sameFileName(name, view_.logName())) ||
        (view_.batchFile() && sameFileName(name, view_.batchName())))
        return AppError("Die Datei " + name + " hat den Namen der Protokoll- oder Batchdatei.");
    TALVEK_TRY(append(chosen));
    view_.setOkEnabled(true);
    return AppError();
}

void SetupLogic::deleteFile() {
    int selected = view_.selectedFile();
    if (selected >= 0) view_.removeFile(selected);
    view_.setOkEnabled(true);
}

void SetupLogic::changed() {
    if (!loading_) view_.setOkEnabled(true);
}

void SetupLogic::batchFileClicked() {
    changed();
    view_.setBatchNameEnabled(view_.batchFile());
}

void SetupLogic::logFileClicked() {
    changed();
    view_.setLogNameEnabled(view_.logFile());
}

void SetupLogic::mouseMove(setup::HintSource source) {
    view_.setHint(setup::hintText(source));
}

void SetupLogic::pageChanging(setup::Page leaving) {
    view_.setHint(setup::pageCaption(leaving));
    // Coming back to the about page, the credits start again from their beginning.
    if (leaving != setup::Page::About) view_.restartBanner();
}

} // namespace talvek

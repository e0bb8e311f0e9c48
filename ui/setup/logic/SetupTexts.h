// The fixed texts of the setup dialog: questions, hints, page captions, contacts, credits.
#pragma once
#include <string>
#include <vector>

#include "config/DateText.h"

namespace talvek::setup {

inline constexpr const char* kCaption = "Talvek 95 - Setup";
inline constexpr const char* kTitle = "Talvek 95";
inline constexpr const char* kVersion = "1.1";
inline constexpr const char* kVersionLabel = "v 1.1";
inline constexpr const char* kFolderTitle = "Talvek 95 - Sicherungsverzeichnis :";
inline constexpr const char* kRunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Talvek95";
inline constexpr const char* kDatePanelPrefix = "letzte Sicherung: ";
// The date panel is sized to hold this text.
inline constexpr const char* kWidestDatePanel = "letzte Sicherung: 06.12.97 (vor 12 Tagen)";
inline constexpr const char* kLineRefused = "Zeile kann nicht eingefügt werden";

// The hints of "Jetzt sichern", by its state.
inline constexpr const char* kBackupNowReady = "Hier klicken um die Dateien jetzt zu sichern.";
inline constexpr const char* kBackupNowRunning = "Die Sicherung läuft.";
inline constexpr const char* kBackupNowOtherRun = "Eine Sicherung läuft gerade.";
inline constexpr const char* kBackupNowDoneToday = "Der Datensatz von heute ist schon angelegt.";
inline constexpr const char* kBackupNowPending = "Zuerst die Änderungen übernehmen, dann sichern.";

inline constexpr const char* kMailAddress = "talvek95@example.org";
inline constexpr const char* kHomepage = "www.example.org/talvek95";
inline constexpr const char* kHomepageUrl = "http://www.example.org/talvek95";

// The lines of a message box text are separated by line feed + carriage return.
inline constexpr const char* kLineBreak = "\n\r";
std::string joinMessageLines(const std::vector<std::string>& lines);

extern const char* const kFirstRunCaption;
std::string firstRunText();
extern const char* const kAutostartCaption;
std::string autostartText();
// Told at load when "Aktiv" is set but the Run value would not start this program.
std::string autostartMissingText();
// The error of a Run value that cannot be written.
std::string runValueRefused();

// How old the last backup is, for the date panel: " (heute)", " (vor 1 Tag)",
// " (vor N Tagen)"; nothing for a date that is unreadable or lies ahead.
std::string backupAge(const std::string& lastDate, const Date& today);

// The system file set offered at the first run, for the given Windows directory.
std::vector<std::string> systemFiles(const std::string& windowsDirectory);

// Every element of the dialog that shows or clears a hint.
enum class HintSource {
    Ok,
    Active,
    Cancel,
    Add,
    Delete,
    FileList,
    BackupDirectory,
    Browse,
    MaxRecordSets,
    EveryXDays,
    BatchFile,
    LogFile,
    Logo,
    MailLink,
    HomepageLink,
    Form,
    Panel1,
    Panel2,
    RecordSetList,
    Check,
    Compare,
    Keep,
    Protocol,
    Restore,
    Undo,
};
std::string hintText(HintSource source);

// The notebook's pages, in the order of its tabs, and their captions.
enum class Page { Files, Settings, RecordSets, About };
inline constexpr int kPageCount = 4;
extern const char* const kPageCaptions[kPageCount];
inline const char* pageCaption(Page page) {
    return kPageCaptions[static_cast<int>(page)];
}

std::string mailCaption();     // "E-Mail: " + address
std::string mailUrl();         // "mailto:" + address
std::string homepageCaption(); // "Homepage: " + address without scheme

// The about page's scrolling credits.
std::vector<std::string> creditLines();

} // namespace talvek::setup

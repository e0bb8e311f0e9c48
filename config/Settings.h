// The section "Einstellungen": every setting once, with its default and its valid range, read
// in one access and written in one. The run, the removal of old record sets and the setup
// dialog know the settings only from here.
#pragma once
#include <string>

#include "config/Error.h"
#include "config/IniFile.h"

namespace talvek {

// The bounds of a number setting, as the setup dialog's spin field keeps them.
struct SettingRange {
    int low;
    int high;

    int clamp(int value) const { return value < low ? low : value > high ? high : value; }
    // Typed text: a whole number (optional sign) is clamped; anything else reads as `low`.
    int fromText(const std::string& text) const;
};

inline constexpr SettingRange kMaxRecordSetsRange{2, 1000};
inline constexpr SettingRange kEveryXDaysRange{1, 1000};

struct Settings {
    // Most record sets kept, today's included. The run accepts any number of 1 or more
    // and corrects the rest (maxRecordSetsValid false): a smaller maximum would delete
    // every older set.
    int maxRecordSets = 3;
    bool maxRecordSetsValid = true;
    // Where the record sets go. A missing key (or the marker an older version wrote for
    // it) leaves the run without a place: it says so.
    std::string backupDirectory = "C:\\Talvek95";
    bool hasBackupDirectory = true;
    bool batchFile = true;
    std::string batchName = "RECOVERY.BAT";
    bool logFile = true;
    std::string logName = "PROTOCOL.TXT";
    int everyXDays = 1;        // a record set is due every so many days
    bool active = false;       // the run starts with Windows
    bool firstRunDone = false; // the first-run offer has been made
    std::string version;       // of the program that stored the settings last
    // Set by hand only; as stored, the run decides which values it accepts.
    int waitSeconds = 3;

    // The backup directory as the file has it: "ERROR", no directory, when it names none.
    std::string storedBackupDirectory() const;
};

Settings readSettings(TIniFile& ini);
// What the setup dialog stores, with the program's version, in one access; the keys set by
// hand ("Sekunden warten") and any the program does not know stay as they are.
AppError writeSettings(TIniFile& ini, const Settings& settings);
// The run's correction of a maximum below 1 to the setup dialog's default.
AppError correctMaxRecordSets(TIniFile& ini, Settings& settings);

} // namespace talvek

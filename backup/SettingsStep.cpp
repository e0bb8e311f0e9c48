// Step 1: finds the configuration file, decides whether a record set is due and records it.
#include "backup/Steps.h"

#include <algorithm>

#include "backup/RunMark.h"
#include "config/Keys.h"

namespace talvek {

namespace {

const char* const kDefaultLastDate = "01.01.50";
// The Gregorian calendar repeats every 400 years; the threshold's text only keeps the
// day, the month and the last two digits of the year, so the interval can be reduced by
// whole cycles without changing it (and without overflowing a 32-bit day count).
const long kDaysPer400Years = 146097;

Date thresholdFor(int everyXDays, const Date& today) {
    Date threshold = addDays(today, -(static_cast<long>(everyXDays) % kDaysPer400Years));
    Date result;
    if (parseDateText(formatDateText(threshold), today, result)) return result;
    // Only 29 February of a leap year whose two digits name no leap year in the current
    // century (2000 read in 2100) lands here; the day before stands in.
    parseDateText(formatDateText(addDays(threshold, -1)), today, result);
    return result;
}

} // namespace

AppError isBackupDue(const std::string& last, int everyXDays, const Date& today, bool& due) {
    Date threshold = thresholdFor(everyXDays, today);
    Date lastDate;
    if (!parseDateText(last, today, lastDate)) return invalidDate(last);
    // A last date after today comes from a wrong clock or the default read in the wrong
    // century; it must not hold off backups for years.
    due = !(threshold < lastDate) || today < lastDate;
    return AppError();
}

AppError loadSettings(RunContext& run, SettingsOutcome& outcome) {
    run.windowsDirectory = run.platform.files.windowsDirectory(kWindowsDirectoryBuffer);
    if (run.windowsDirectory.empty()) run.fail("Konnte Windows Verzeichnis nicht ermitteln");
    std::string path = configurationPath(run.windowsDirectory);
    outcome = SettingsOutcome::ConfigurationMissing;
    run.platform.profile.finishInterruptedWrite(path);
    if (!run.platform.files.fileExists(path)) return AppError();
    run.ini = std::make_unique<TIniFile>(run.platform.profile, path);
    TIniFile& ini = *run.ini;
    run.settings = readSettings(ini);
    // Taken before the mark is read: the mark of a run still under way is not one cut short.
    bool otherRun = false;
    run.runLock = run.platform.locks.tryHold(lock::kBackupRun, otherRun);
    if (otherRun) {
        outcome = SettingsOutcome::OtherRun;
        return AppError();
    }

    Date today = run.today();
    run.previousDate = ini.ReadText(keys::kCurrentRecord, keys::kDate, kDefaultLastDate);
    std::vector<std::string> registered = ini.ReadList(keys::kRecordList);
    auto isRegistered = [&](const std::string& date) {
        return std::find(registered.begin(), registered.end(), date) != registered.end();
    };
    RunMark mark = readRunMark(ini);
    run.unfinishedRun = mark.date;
    // A run cut short before it registered its record set made none: its date does not
    // hold off the next one, and what it left is removed (today's by being made anew).
    if (!mark.date.empty() && !isRegistered(mark.date))
        run.previousDate = mark.previous.empty() ? kDefaultLastDate : mark.previous;
    run.resuming = mark.date == run.todayText();
    run.todayRegistered = run.resuming && isRegistered(run.todayText());
    for (const std::string& date : mark.leftovers)
        if (!isRegistered(date) && date != run.todayText()) run.leftovers.push_back(date);
    if (!mark.date.empty() && !run.resuming && !isRegistered(mark.date))
        run.leftovers.push_back(mark.date);

    outcome = SettingsOutcome::NotDue;
    if (!run.resuming) {
        bool due = false;
        TALVEK_TRY(isBackupDue(run.previousDate, run.settings.everyXDays, today, due));
        // A run the user asked for is due whatever the interval; a registered day still
        // holds it off below.
        if (!due && !run.backupNow) return AppError();
        // Record sets are named by the day: a second one on a day already registered would
        // fail every copy and let a later rotation delete the day's copies. A run of today
        // that was cut short goes on all the same: it completes the day's record set.
        if (isRegistered(run.todayText())) return AppError();
    }

    outcome = SettingsOutcome::Due;
    // The mark goes first: a run stopped between the two writes is then finished, not lost.
    TALVEK_TRY(writeRunMark(ini, RunMark{run.todayText(), run.previousDate, run.leftovers}));
    TALVEK_TRY(ini.WriteText(keys::kCurrentRecord, keys::kDate, run.todayText()));
    run.backupDirectory = run.settings.storedBackupDirectory();
    if (!run.settings.hasBackupDirectory) run.fail("Fehler beim Lesen aus der Ini Datei!");
    return AppError();
}

std::string missingConfigurationMessage(const std::string& windowsDirectory) {
    return "Ini Datei \"" + configurationPath(windowsDirectory) +
           "\" wurde nicht gefunden!\n\r"
           "Bitte führen sie zuerst Setup aus.";
}

void addHeaderLines(RunContext& run) {
    run.log("Talvek 95  -  Sicherung der Systemdateien bei jedem Windows-Start");
    run.log("Datum: " + run.todayText());
    run.log("Windows Verzeichnis: " + run.windowsDirectory);
    run.log("Verzeichnis für Datensätze: " + run.backupDirectory);
}

} // namespace talvek

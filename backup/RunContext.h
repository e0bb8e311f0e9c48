// The state one backup run shares between its steps.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "backup/ProgressView.h"
#include "backup/RecordSet.h"
#include "backup/RecoveryBatch.h"
#include "config/DateText.h"
#include "config/IniFile.h"
#include "config/Settings.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Locks.h"
#include "platform/ProfileStore.h"

namespace talvek {

struct RunPlatform {
    FileSystem& files;
    ProfileStore& profile;
    Clock& clock;
    Locks& locks;
};

struct RunContext {
    RunContext(ProgressView& v, const RunPlatform& p) : view(v), platform(p) {}

    ProgressView& view;
    RunPlatform platform;
    // Held from the due check to the run's end: two runs at once would both rotate, and one
    // would take the other's mark for a run cut short.
    std::unique_ptr<HeldLock> runLock;

    bool backupNow = false;        // "-s jetzt": due whatever the interval
    std::unique_ptr<TIniFile> ini; // open from step 1 until the finish
    Settings settings;             // as step 1 read them
    std::string windowsDirectory;
    std::string backupDirectory;
    std::string previousDate;        // "Datum" of the last record set as step 1 found it
    std::string todayDirectory;      // empty when the backup directory is unusable
    std::string todayDirectoryDate;  // the date text step 2 named today's directory after
    bool madeTodayDirectory = false; // step 2 created it in this run
    std::vector<std::string> fileList;
    std::unique_ptr<RecoveryBatch> recoveryBatch; // made by step 3, written by step 5
    std::vector<SavedCopy> savedCopies;           // today's copies, for today's record set section
    std::vector<std::string> recordList;          // loaded and written back by step 4
    bool savedAnyFile = false;                    // step 3 copied at least one file today
    // A run cut short (power failure, reset) is finished by the next due run: the date text
    // of such a run, whether it was today's (its copies are replaced), and the record sets
    // of earlier days that such runs left unregistered, still to be removed.
    std::string unfinishedRun;
    bool resuming = false;
    bool todayRegistered = false; // resuming a run cut short after it registered the set
    std::vector<std::string> leftovers;

    bool runError = false;
    bool stepFailed = false;
    std::string errorText;
    std::vector<std::string> failures;     // every failure text of the run, in order
    std::vector<std::string> journalLines; // the failures and notes the journal keeps, in order
    // The details log, every line of it: the box may have dropped its oldest ones.
    std::vector<std::string> logLines;

    // A failure inside a step: it becomes the run's error text, marks the step failed and
    // is a line of the details log, so no reason lives on the status line alone.
    void fail(const std::string& text) {
        errorText = text;
        stepFailed = true;
        failures.push_back(text);
        journalLines.push_back(text);
        log(text);
    }
    // A line the journal keeps beside the failures, though it is none.
    void note(const std::string& text) {
        journalLines.push_back(text);
        log(text);
    }
    void log(const std::string& text) {
        logLines.push_back(text);
        view.addLogLine(text);
    }
    Date today() { return dateOf(platform.clock.now()); }
    std::string todayText() { return formatDateText(today()); }
    // The date text that names today's record set: the one its directory is named after,
    // so that a run across midnight still makes one record set a later run can remove.
    std::string recordSetName() {
        return todayDirectoryDate.empty() ? todayText() : todayDirectoryDate;
    }
};

} // namespace talvek

// The steps of a backup run, one for each of rows 1 to 5 of the progress window (row 6 is
// done by step 4); each works on the shared run context. A step that returns
// an error (a refused write of the configuration file, an unreadable date) ends the run
// where it stands: the caller shows the error box and runs nothing further.
#pragma once
#include <string>
#include <vector>

#include "backup/RunContext.h"

namespace talvek {

// OtherRun: another process's run holds the run lock, so this one must change nothing.
enum class SettingsOutcome { ConfigurationMissing, OtherRun, NotDue, Due };

// Step 1: Windows directory, configuration file, the run lock, due check, backup directory.
AppError loadSettings(RunContext& run, SettingsOutcome& outcome);
// The due check alone: `last` is the stored text, `everyXDays` the interval. The error of
// an unreadable date when `last` is no date.
AppError isBackupDue(const std::string& last, int everyXDays, const Date& today, bool& due);
// The text shown when the configuration file is missing.
std::string missingConfigurationMessage(const std::string& windowsDirectory);
// The four header lines of the details log, added after step 1 of a due run.
void addHeaderLines(RunContext& run);
// Step 2: backup directory and today's record set directory.
void createDirectories(RunContext& run);
// Step 3: copies of the listed files, the recovery batch table and today's record set
// section, written once everything is copied.
AppError backupFiles(RunContext& run);
// Step 4: removal of old record sets, then the record set list written back.
AppError removeOldRecordSets(RunContext& run);
// Step 5: protocol file and recovery batch. Sets the step failure flag when one of them
// could not be written; the run sequence then marks row 5 failed.
AppError writeProtocolAndBatch(RunContext& run);

// The record set list of step 4 (oldest first) and its registration of today's record set.
void loadRecordList(RunContext& run);
AppError registerTodaysRecordSet(RunContext& run);

// What became of an old record set that step 4 took up.
enum class Removal {
    Removed,     // its directory and section are gone
    Dropped,     // nothing to remove or refused: the entry leaves the list, the section stays
    Failed,      // something could not be removed: entry and section stay for the next run
    Kept,        // today's record set: never removed
    LeftInPlace, // outside the backup directory: left on disk, its entry and section go
};
// Removes one old record set named by its section; failures go to the run context.
AppError removeRecordSet(RunContext& run, const std::string& section, Removal& outcome);

// Removes what a run cut short left of the record set `date` and never registered: its
// copies, protocol, batch, section and directory. `removed` is false when something of it
// is still there, so that a later run tries again.
AppError removeUnfinishedRecordSet(RunContext& run, const std::string& date, bool& removed);

// The names of the protocol file and the recovery batch a run writes, those switched on, as
// Windows resolves them.
std::vector<std::string> protocolAndBatchNames(const Settings& settings);

} // namespace talvek

// The six steps of a backup run; each works on the shared run context.
#pragma once
#include <string>
#include <vector>

#include "backup/RunContext.h"

namespace talvek {

enum class SettingsOutcome { ConfigurationMissing, NotDue, Due };

// Step 1: Windows directory, configuration file, due check, backup directory.
SettingsOutcome loadSettings(RunContext& run);
// The due check alone: `last` is the stored text, `everyXDays` the interval.
// Raises the conversion error when `last` is no date.
bool isBackupDue(const std::string& last, int everyXDays, const Date& today);
// The text shown when the configuration file is missing.
std::string missingConfigurationMessage(const std::string& windowsDirectory);
// The four header lines of the details log, added after step 1 of a due run.
void addHeaderLines(RunContext& run);
// Step 2: backup directory and today's record set directory.
void createDirectories(RunContext& run);
// Step 3: copies of the listed files and the recovery batch table.
void backupFiles(RunContext& run);
// Step 4: removal of old record sets, then the record set list written back.
void removeOldRecordSets(RunContext& run);
// Step 5: protocol file and recovery batch. Sets the step failure flag when one of them
// could not be written; the run sequence then marks row 5 failed.
void writeRecordFiles(RunContext& run);

// The record set list of step 4 (oldest first) and its registration of today's record set.
void loadRecordList(RunContext& run);
void registerTodaysRecordSet(RunContext& run);
// Removes one old record set named by its section; failures go to the run context.
void removeRecordSet(RunContext& run, const std::string& section);

// The first 11 lines of the recovery batch (plus the "ECHO ." placeholder of line 11).
std::vector<std::string> recoveryBatchHeader(const std::string& dateText,
                                             const std::string& todayDirectory);
// "+R -A +S +H ": the attribute text of a restore line, each part followed by a blank.
std::string attributeText(std::uint32_t attributes);

} // namespace talvek

// The six steps of a backup run; each works on the shared run context.
#pragma once
#include <string>

#include "backup/RunContext.h"

namespace talvek {

enum class SettingsOutcome { ConfigurationMissing, NotDue, Due };

// Step 1: Windows directory, configuration file, due check, backup directory.
SettingsOutcome loadSettings(RunContext& run);
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
// Step 5: protocol file and recovery batch.
void writeRecordFiles(RunContext& run);

} // namespace talvek

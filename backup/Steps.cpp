// Minimal steps: the configuration file check of step 1; the other steps do no work yet.
#include "backup/Steps.h"

#include "config/Keys.h"

namespace talvek {

namespace {
const std::size_t kWindowsDirectoryBuffer = 150;
}

SettingsOutcome loadSettings(RunContext& run) {
    run.windowsDirectory = run.platform.files.windowsDirectory(kWindowsDirectoryBuffer);
    if (run.windowsDirectory.empty()) run.fail("Konnte Windows Verzeichnis nicht ermitteln");
    std::string path = configurationPath(run.windowsDirectory);
    if (!run.platform.files.fileExists(path)) return SettingsOutcome::ConfigurationMissing;
    run.ini = std::make_unique<TIniFile>(run.platform.profile, path);
    return SettingsOutcome::Due;
}

std::string missingConfigurationMessage(const std::string& windowsDirectory) {
    return "Ini Datei \"" + windowsDirectory +
           "\\Talvek95.ini\" wurde nicht gefunden!\n\r"
           "Bitte führen sie zuerst Setup aus.";
}

void addHeaderLines(RunContext&) {}
void createDirectories(RunContext&) {}
void backupFiles(RunContext&) {}
void removeOldRecordSets(RunContext&) {}
void writeRecordFiles(RunContext&) {}

} // namespace talvek

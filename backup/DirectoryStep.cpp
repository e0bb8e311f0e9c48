// Step 2: the backup directory and today's record set directory, one level each.
#include "backup/Steps.h"

#include "backup/PathRules.h"

namespace talvek {

namespace {
const char* const kNoBackupDirectory =
    "Das Verzeichnis für die Datensätze konnte nicht erstellt werden!";
} // namespace

void createDirectories(RunContext& run) {
    FileSystem& files = run.platform.files;
    // A relative or empty directory would put record sets wherever the current directory
    // happens to be, the root of C: say; a drive itself puts them into its root folder.
    // Nothing is created and nothing copied.
    if (!isAbsoluteDirectory(run.backupDirectory) || isDriveRoot(run.backupDirectory)) {
        run.fail(kNoBackupDirectory);
        return;
    }
    if (!files.directoryExists(run.backupDirectory)) {
        if (files.createDirectory(run.backupDirectory))
            run.log("Verzeichnis für Datensätze erfolgreich erstellt.");
        else
            run.fail(kNoBackupDirectory);
    }

    Date today = run.today();
    run.todayDirectory = run.backupDirectory + "\\" + compactDateText(today);
    run.todayDirectoryDate = formatDateText(today);
    run.log("Heutiges Verzeichnis: " + run.todayDirectory);
    if (files.directoryExists(run.todayDirectory)) return;

    if (files.createDirectory(run.todayDirectory)) {
        run.madeTodayDirectory = true;
        run.log("Heutiges Verzeichnis erfolgreich erstellt.");
    } else
        run.fail("Das Verzeichnis für den heutigen Datensatz konnte nicht erstellt werden!");
}

} // namespace talvek

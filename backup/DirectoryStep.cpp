// Step 2: the backup directory and today's record set directory, one level each.
#include "backup/Steps.h"

#include "config/Keys.h"

namespace talvek {

void createDirectories(RunContext& run) {
    FileSystem& files = run.platform.files;
    if (!files.directoryExists(run.backupDirectory)) {
        if (files.createDirectory(run.backupDirectory))
            run.log("Verzeichnis für Datensätze erfolgreich erstellt.");
        else
            run.fail("Das Verzeichnis für die Datensätze konnte nicht erstellt werden!");
    }

    Date today = run.today();
    run.todayDirectory = run.backupDirectory + "\\" + compactDateText(today);
    run.todayDirectoryDate = formatDateText(today);
    run.log("Heutiges Verzeichnis: " + run.todayDirectory);
    if (files.directoryExists(run.todayDirectory)) return;

    if (files.createDirectory(run.todayDirectory))
        run.log("Heutiges Verzeichnis erfolgreich erstellt.");
    else
        run.fail("Das Verzeichnis für den heutigen Datensatz konnte nicht erstellt werden!");
    // Recorded even when the creation failed, so a later run can clean up after it.
    run.ini->WriteText(run.todayText(), keys::kDirectory, run.todayDirectory);
    run.ini->WriteText(run.todayText(), keys::kDate, run.todayText());
}

} // namespace talvek

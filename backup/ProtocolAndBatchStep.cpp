// Step 5: saves the details log as the protocol file and the recovery batch in today's record
// set directory, and records their names in its section.
#include "backup/Steps.h"

#include "backup/PathRules.h"

namespace talvek {

namespace {

// Writes one file of the record set; true when it exists afterwards and may be recorded.
bool writeRecordFile(RunContext& run, const std::string& name,
                     const std::vector<std::string>& lines, CodePage codePage) {
    if (!isPlainFileName(name)) {
        run.fail("Der Dateiname " + name + " ist ungültig.");
        return false;
    }
    FileSystem& files = run.platform.files;
    std::string path = run.todayDirectory + "\\" + resolvedName(name);
    if (files.writeTextFile(path, lines, codePage)) return true;
    run.fail("Die Datei " + path + " konnte nicht geschrieben werden.");
    // A file that failed half way still has to go with its record set.
    return files.fileExists(path);
}

} // namespace

std::vector<std::string> protocolAndBatchNames(const Settings& settings) {
    std::vector<std::string> names;
    if (settings.logFile) names.push_back(resolvedName(settings.logName));
    if (settings.batchFile) names.push_back(resolvedName(settings.batchName));
    return names;
}

AppError writeProtocolAndBatch(RunContext& run) {
    const Settings& settings = run.settings;
    // Without a usable backup directory there is no place for either file.
    if (run.todayDirectory.empty()) return AppError();
    if (!run.savedAnyFile) {
        // Nothing registers a run that saved nothing, so nothing would ever remove what it
        // left: it writes neither file (the journal keeps its lines) and takes back the
        // directory it made. One that existed before is not ours to touch.
        if (run.madeTodayDirectory && run.platform.files.removeDirectory(run.todayDirectory))
            run.log("Das Verzeichnis " + run.todayDirectory + " wurde gelöscht !");
        return AppError();
    }
    if (settings.logFile) {
        // Every line of the details log, wrapped as the window wraps it: the box itself may
        // hold only the newest lines of a long run.
        const std::vector<std::string> lines = run.view.wrappedAsShown(run.logLines);
        if (writeRecordFile(run, settings.logName, lines, CodePage::Windows))
            TALVEK_TRY(recordProtocolName(*run.ini, run.recordSetName(), settings.logName));
    }
    // COMMAND.COM reads the batch in the OEM code page; the protocol is read in Windows.
    if (settings.batchFile &&
        writeRecordFile(run, settings.batchName, run.recoveryBatch->lines(), CodePage::Oem))
        TALVEK_TRY(recordBatchName(*run.ini, run.recordSetName(), settings.batchName));
    return AppError();
}

} // namespace talvek

// Step 4: removes the oldest record sets so that, with today's, at most the maximum remain,
// then registers today's record set. Nothing outside a record set directory is touched.
#include "backup/Steps.h"

#include "backup/PathRules.h"
#include "config/Keys.h"

namespace talvek {

namespace {

// The lines of a saved copy begin with a blank and close with a full stop; those of the
// protocol file and the recovery batch do neither.
void deleteTarget(RunContext& run, const std::string& target, bool savedCopy) {
    const std::string prefix = savedCopy ? " Die Datei " : "Die Datei ";
    if (run.platform.files.deleteFile(target)) {
        run.log(prefix + target + (savedCopy ? " wurde gelöscht." : " wurde gelöscht"));
    } else {
        std::string text = prefix + target + " konnte nicht gelöscht werden.";
        run.log(text);
        run.fail(text);
    }
}

void refuseName(RunContext& run, const std::string& dir, const std::string& name) {
    std::string text = " Die Datei " + dir + "\\" + name +
                       " wird nicht gelöscht, da sie außerhalb des Datensatzes liegt.";
    run.log(text);
    run.fail(text);
}

// The protocol file or recovery batch recorded under `key`, unless the marker says none.
void deleteRecordedFile(RunContext& run, const std::string& section, const std::string& dir,
                        const char* key, const char* none) {
    std::string name = run.ini->ReadText(section, key, none);
    if (name == none) return;
    if (!isPlainFileName(name)) {
        refuseName(run, dir, name);
        return;
    }
    deleteTarget(run, dir + "\\" + name, false);
}

} // namespace

void removeRecordSet(RunContext& run, const std::string& section) {
    TIniFile& ini = *run.ini;
    FileSystem& files = run.platform.files;
    std::string dir = ini.ReadText(section, keys::kDirectory, keys::kNotFound);
    std::string date = ini.ReadText(section, keys::kDate, keys::kNotFound);
    run.log("Lösche Datensatz vom: " + date);
    run.log("Verzeichnis :" + dir);
    if (dir == keys::kNotFound) {
        // Without a directory every target would lie relative to the current directory.
        run.fail("Das zu löschende Verzeichnis konnte nicht ermittelt werden.");
        return;
    }
    if (!isRecordSetDirectory(dir)) {
        std::string text =
            "Das Verzeichnis " + dir + " ist kein Datensatzverzeichnis und wird nicht gelöscht !";
        run.log(text);
        run.fail(text);
        return;
    }

    for (const std::string& saved : ini.ReadList(section, keys::kSavedFilePrefix, 1)) {
        std::string name = fileNamePart(saved);
        if (!isPlainFileName(name)) {
            refuseName(run, dir, name);
            continue;
        }
        deleteTarget(run, dir + "\\" + name, true);
    }
    deleteRecordedFile(run, section, dir, keys::kRecordLogFile, keys::kNoLog);
    deleteRecordedFile(run, section, dir, keys::kRecordRecFile, keys::kNoRec);

    if (files.currentDirectory() == dir) files.setCurrentDirectory("c:\\");
    if (files.removeDirectory(dir)) {
        run.log("Das Verzeichnis " + dir + " wurde gelöscht !");
        ini.RemoveSection(section);
    } else {
        std::string text = "Das Verzeichnis " + dir + " konnte nicht gelöscht werden !";
        run.log(text);
        run.fail(text);
    }
}

void removeOldRecordSets(RunContext& run) {
    loadRecordList(run);
    int maximum = run.ini->ReadNumber(keys::kSettings, keys::kMaxRecordSets, -1);
    if (maximum < 1) {
        run.ini->WriteNumber(keys::kSettings, keys::kMaxRecordSets, 1);
        run.fail("Die maximale Anzahl der Datensätze war kleiner als 1. Fehler wurde korrigiert !");
        maximum = 1;
    }
    const std::size_t limit = static_cast<std::size_t>(maximum);
    if (!run.savedAnyFile) {
        // Old record sets stay until a run has actually saved something new.
        run.log("Alte Datensätze wurden nicht gelöscht, da heute keine Datei gesichert wurde.");
    } else if (run.recordList.size() >= limit) {
        std::size_t count = run.recordList.size() - limit + 1;
        for (std::size_t i = 0; i < count; ++i)
            removeRecordSet(run, run.recordList[i]);
        run.recordList.erase(run.recordList.begin(),
                             run.recordList.begin() + static_cast<long>(count));
    }
    registerTodaysRecordSet(run);
}

} // namespace talvek

// Step 4: removes the oldest record sets so that, with today's, at most the maximum remain,
// then registers today's record set. Nothing outside a record set directory is touched.
#include "backup/Steps.h"

#include "backup/PathRules.h"
#include "config/Keys.h"
#include "config/TextCase.h"

namespace talvek {

namespace {

// The lines of a saved copy begin with a blank and close with a full stop; those of the
// protocol file and the recovery batch do neither. A file that is gone already (deleted by
// hand, or by an earlier removal that was cut short) is no failure: only one that stays is.
void deleteTarget(RunContext& run, const std::string& target, bool savedCopy) {
    FileSystem& files = run.platform.files;
    const std::string prefix = savedCopy ? " Die Datei " : "Die Datei ";
    if (files.deleteFile(target))
        run.log(prefix + target + (savedCopy ? " wurde gelöscht." : " wurde gelöscht"));
    else if (files.attributes(target) == attr::kInvalid)
        run.log(" Die Datei " + target + " war bereits gelöscht.");
    else
        run.fail(prefix + target + " konnte nicht gelöscht werden.");
}

void refuseName(RunContext& run, const std::string& dir, const std::string& name) {
    run.fail(" Die Datei " + dir + "\\" + name +
             " wird nicht gelöscht, da sie außerhalb des Datensatzes liegt.");
}

// The protocol file or recovery batch recorded under `key`, unless the marker says none.
void deleteRecordedFile(RunContext& run, const SectionValues& values, const std::string& dir,
                        const char* key, const char* none) {
    std::string name = values.get(key, none);
    if (name == none) return;
    if (!isPlainFileName(name)) {
        refuseName(run, dir, name);
        return;
    }
    deleteTarget(run, dir + "\\" + name, false);
}

// A record set directory is one named after the record set's own date: a hand-edited
// "Directory" must not empty any other folder.
bool isNamedRecordSetDirectory(const std::string& dir, const std::string& section) {
    std::string compact;
    for (char c : section)
        if (c != '.') compact += c;
    return isRecordSetDirectory(dir) && fileNamePart(dir) == compact;
}

} // namespace

AppError removeRecordSet(RunContext& run, const std::string& section, Removal& outcome) {
    TIniFile& ini = *run.ini;
    FileSystem& files = run.platform.files;
    SectionValues values = ini.ReadSection(section);
    std::string dir = values.get(keys::kDirectory, keys::kNotFound);
    std::string date = values.get(keys::kDate, keys::kNotFound);
    outcome = Removal::Kept;
    if (section == run.recordSetName() || values.get(keys::kKeep, "0") == "1" ||
        (!run.todayDirectory.empty() && sameIgnoringCase(dir, run.todayDirectory)))
        return AppError();

    outcome = Removal::Dropped;
    run.log("Lösche Datensatz vom: " + date);
    run.log("Verzeichnis :" + dir);
    if (dir == keys::kNotFound) {
        // Without a directory every target would lie relative to the current directory.
        run.fail("Das zu löschende Verzeichnis konnte nicht ermittelt werden.");
        return AppError();
    }
    if (!isNamedRecordSetDirectory(dir, section)) {
        run.fail("Das Verzeichnis " + dir +
                 " ist kein Datensatzverzeichnis und wird nicht gelöscht !");
        return AppError();
    }
    if (!liesDirectlyIn(dir, run.backupDirectory)) {
        // Left behind when the user chose another backup directory: deletion stays inside
        // the current one, and the set is no longer ours to count.
        run.log("Der Datensatz vom " + section + " in " + dir +
                " liegt nicht im Sicherungsverzeichnis und bleibt erhalten.");
        outcome = Removal::LeftInPlace;
        return ini.RemoveSection(section);
    }

    // Every copy the section names, gaps of failed copies or not: one left behind would
    // keep the directory, and the rotation with it, from ever going.
    for (const auto& saved : values.numbered(keys::kSavedFilePrefix)) {
        if (saved.first < 1) continue;
        std::string name = fileNamePart(saved.second);
        if (!isPlainFileName(name)) {
            refuseName(run, dir, name);
            continue;
        }
        deleteTarget(run, dir + "\\" + name, true);
    }
    deleteRecordedFile(run, values, dir, keys::kRecordLogFile, keys::kNoLog);
    deleteRecordedFile(run, values, dir, keys::kRecordRecFile, keys::kNoRec);

    if (files.currentDirectory() == dir) files.setCurrentDirectory("c:\\");
    outcome = Removal::Removed;
    if (files.removeDirectory(dir)) {
        run.log("Das Verzeichnis " + dir + " wurde gelöscht !");
        return ini.RemoveSection(section);
    }
    if (!files.directoryExists(dir)) {
        run.log("Das Verzeichnis " + dir + " war bereits gelöscht !");
        return ini.RemoveSection(section);
    }
    // Whatever is left stays registered, so the next run tries again.
    run.fail("Das Verzeichnis " + dir + " konnte nicht gelöscht werden !");
    outcome = Removal::Failed;
    return AppError();
}

AppError removeOldRecordSets(RunContext& run) {
    TIniFile& ini = *run.ini;
    loadRecordList(run);
    int maximum = ini.ReadNumber(keys::kSettings, keys::kMaxRecordSets, -1);
    if (maximum < 1) {
        // The setup dialog's default: a maximum of 1 would delete every older record set.
        maximum = 3;
        TALVEK_TRY(ini.WriteNumber(keys::kSettings, keys::kMaxRecordSets, maximum));
        run.fail("Die maximale Anzahl der Datensätze war kleiner als 1. Fehler wurde korrigiert !");
    }
    if (!run.savedAnyFile) {
        // Old record sets stay until a run has actually saved something new, and the next
        // start tries again instead of waiting the whole interval.
        run.log("Alte Datensätze wurden nicht gelöscht, da heute keine Datei gesichert wurde.");
        return ini.WriteText(keys::kCurrentRecord, keys::kDate, run.previousDate);
    }

    // Sets the user keeps neither go nor count: the others are brought within the maximum.
    const std::size_t limit = static_cast<std::size_t>(maximum);
    std::vector<std::string>& list = run.recordList;
    std::size_t counted = 0;
    for (const std::string& entry : list)
        if (ini.ReadText(entry, keys::kKeep, "0") != "1") ++counted;
    std::size_t next = 0;
    while (counted >= limit && next < list.size()) {
        Removal outcome = Removal::Kept;
        TALVEK_TRY(removeRecordSet(run, list[next], outcome));
        // A record set that could not be removed stays first in line; a younger one is
        // never removed in its place.
        if (outcome == Removal::Failed) break;
        if (outcome == Removal::Kept) {
            ++next;
        } else {
            list.erase(list.begin() + static_cast<long>(next));
            --counted;
        }
    }
    return registerTodaysRecordSet(run);
}

} // namespace talvek

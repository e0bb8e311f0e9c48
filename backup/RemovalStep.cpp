// Step 4: removes the oldest record sets so that, with today's, at most the maximum remain,
// then registers today's record set. Nothing outside a record set directory is touched.
#include "backup/Steps.h"

#include <algorithm>

#include "backup/PathRules.h"
#include "backup/RunMark.h"
#include "config/Keys.h"
#include "config/TextCase.h"

namespace talvek {

namespace {

const std::uint32_t kProtectingAttributes = attr::kReadOnly | attr::kHidden | attr::kSystem;

// The lines of a saved copy begin with a blank and close with a full stop; those of the
// protocol file and the recovery batch do neither. A file that is gone already (deleted by
// hand, or by an earlier removal that was cut short) is no failure: only one that stays is.
// The file is the program's own: a read-only, hidden or system attribute a tool set later
// does not keep it.
void deleteTarget(RunContext& run, const std::string& target, bool savedCopy) {
    FileSystem& files = run.platform.files;
    const std::string prefix = savedCopy ? " Die Datei " : "Die Datei ";
    bool deleted = files.deleteFile(target);
    if (!deleted) {
        std::uint32_t attributes = files.attributes(target);
        if (attributes == attr::kInvalid) {
            run.log(" Die Datei " + target + " war bereits gelöscht.");
            return;
        }
        deleted = (attributes & kProtectingAttributes) != 0 && files.setAttributes(target, 0) &&
                  files.deleteFile(target);
    }
    if (deleted)
        run.log(prefix + target + (savedCopy ? " wurde gelöscht." : " wurde gelöscht"));
    else
        run.fail(prefix + target + " konnte nicht gelöscht werden.");
}

// Notes in `own` what of the set's directory a deleted copy leaves: its name, or the folder
// of its own it lay in. That folder goes after the copy; while it still holds the copy, or
// stays without anything in it that says why, it is the set's own and the removal is tried
// again, while one kept by foreign files is theirs.
void removeCopyFolder(RunContext& run, const std::string& dir, const SavedCopy& copy,
                      std::vector<std::string>& own) {
    FileSystem& files = run.platform.files;
    const std::string folder = copyFolderIn(dir, copy);
    std::vector<std::string> left;
    if (folder.empty())
        own.push_back(copy.name);
    else if (files.fileExists(copyPathIn(dir, copy)) ||
             (!files.removeDirectory(folder) &&
              (!files.listDirectory(folder, left) || left.empty())))
        own.push_back(fileNamePart(folder));
}

void refuseName(RunContext& run, const std::string& dir, const std::string& name) {
    run.fail(" Die Datei " + dir + "\\" + name +
             " wird nicht gelöscht, da sie außerhalb des Datensatzes liegt.");
}

// The protocol file or recovery batch the set recorded, if any.
void deleteRecordedFile(RunContext& run, const std::string& name, const std::string& dir,
                        std::vector<std::string>& own) {
    if (name.empty()) return;
    if (!isPlainFileName(name)) {
        refuseName(run, dir, name);
        return;
    }
    own.push_back(resolvedName(name));
    deleteTarget(run, dir + "\\" + resolvedName(name), false);
}

enum class DirectoryEnd { Removed, Foreign, Failed };

// Removes a record set directory whose own files were deleted. Files the program did not
// make are not its to delete: the directory stays with them and no longer counts.
DirectoryEnd removeSetDirectory(RunContext& run, const std::string& dir,
                                const std::vector<std::string>& own) {
    FileSystem& files = run.platform.files;
    if (files.currentDirectory() == dir) files.setCurrentDirectory("c:\\");
    if (files.removeDirectory(dir)) {
        run.log("Das Verzeichnis " + dir + " wurde gelöscht !");
        return DirectoryEnd::Removed;
    }
    if (!files.directoryExists(dir)) {
        run.log("Das Verzeichnis " + dir + " war bereits gelöscht !");
        return DirectoryEnd::Removed;
    }
    std::vector<std::string> names;
    bool listed = files.listDirectory(dir, names) && !names.empty();
    std::string foreign;
    for (const std::string& name : names) {
        // One of its own files is still there: the removal is tried again.
        if (containsIgnoringCase(own, name)) listed = false;
        foreign += (foreign.empty() ? "" : ", ") + name;
    }
    if (listed) {
        run.log("Das Verzeichnis " + dir +
                " enthält fremde Dateien und bleibt erhalten: " + foreign);
        return DirectoryEnd::Foreign;
    }
    // Whatever is left stays registered, so the next run tries again.
    run.fail("Das Verzeichnis " + dir + " konnte nicht gelöscht werden !");
    return DirectoryEnd::Failed;
}

// "06.12.97" names the directory "061297"; a text that is no date as the run writes it
// names none.
std::string directoryNameOf(const std::string& date, const Date& today) {
    Date parsed;
    if (!parseDateText(date, today, parsed) || formatDateText(parsed) != date) return "";
    return compactDateText(parsed);
}

// A record set directory is one named after the record set's own date: a hand-edited
// "Directory" must not empty any other folder.
bool isNamedRecordSetDirectory(const std::string& dir, const std::string& section,
                               const Date& today) {
    const std::string name = directoryNameOf(section, today);
    return isRecordSetDirectory(dir) && !name.empty() && fileNamePart(dir) == name;
}

} // namespace

AppError removeRecordSet(RunContext& run, const std::string& section, Removal& outcome) {
    TIniFile& ini = *run.ini;
    const RecordSet set = readRecordSet(ini, section);
    const std::string dir = set.hasDirectory ? set.directory : keys::kNotFound;
    const std::string date = set.recordedDate.empty() ? keys::kNotFound : set.recordedDate;
    outcome = Removal::Kept;
    if (section == run.recordSetName() || set.kept ||
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
    if (!isNamedRecordSetDirectory(dir, section, run.today())) {
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

    // The set leaves the list before anything of it goes, as a leftover of this run: a reset
    // in the middle leaves no registered set without its files, and the next run removes
    // the rest.
    run.leftovers.push_back(section);
    TALVEK_TRY(writeRunMark(ini, RunMark{run.todayText(), run.previousDate, run.leftovers}));
    std::vector<std::string> listed = run.recordList;
    listed.erase(std::remove(listed.begin(), listed.end(), section), listed.end());
    TALVEK_TRY(ini.WriteList(keys::kRecordList, listed));
    run.leftovers.pop_back();

    // Every copy the section names, gaps of failed copies or not: one left behind would
    // keep the directory, and the rotation with it, from ever going.
    std::vector<std::string> own;
    for (const SavedCopy& copy : set.copies) {
        if (set.copyPath(copy).empty())
            refuseName(run, dir, copy.place.empty() ? fileNamePart(copy.original) : copy.place);
        else {
            deleteTarget(run, set.copyPath(copy), true);
            removeCopyFolder(run, dir, copy, own);
        }
    }
    deleteRecordedFile(run, set.logFile, dir, own);
    deleteRecordedFile(run, set.recFile, dir, own);

    outcome = Removal::Removed;
    if (removeSetDirectory(run, dir, own) != DirectoryEnd::Failed)
        return ini.RemoveSection(section);
    outcome = Removal::Failed;
    return AppError();
}

AppError removeUnfinishedRecordSet(RunContext& run, const std::string& date, bool& removed) {
    TIniFile& ini = *run.ini;
    FileSystem& files = run.platform.files;
    const RecordSet set = readRecordSet(ini, date);
    const std::string dir = set.hasDirectory
                                ? set.directory
                                : run.backupDirectory + "\\" + directoryNameOf(date, run.today());
    removed = true;
    // Deletion stays inside record set directories of the backup directory, as for every
    // other record set; one elsewhere is left as it is.
    if (!isNamedRecordSetDirectory(dir, date, run.today()) ||
        !liesDirectlyIn(dir, run.backupDirectory) || !files.directoryExists(dir))
        return ini.RemoveSection(date);
    run.log("Lösche, was der Lauf vom " + date + " hinterlassen hat: " + dir);
    // The run may have been stopped before it wrote its section: its copies are named after
    // the listed files, its protocol and batch after the settings.
    std::vector<std::string> own = protocolAndBatchNames(run.settings), deleted;
    own.push_back(resolvedName(set.logFile));
    own.push_back(resolvedName(set.recFile));
    for (const std::string& name : own) {
        if (!isPlainFileName(name)) continue;
        if (containsIgnoringCase(deleted, name) || !files.fileExists(dir + "\\" + name)) continue;
        deleted.push_back(name);
        deleteTarget(run, dir + "\\" + name, true);
    }
    const auto removeCopy = [&](const SavedCopy& copy) {
        const std::string path = copyPathIn(dir, copy);
        if (path.empty() || containsIgnoringCase(deleted, path)) return;
        deleted.push_back(path);
        // One never made is no line of the log; its folder may have been made all the same.
        if (files.fileExists(path)) deleteTarget(run, path, true);
        removeCopyFolder(run, dir, copy, own);
    };
    for (const SavedCopy& copy : set.copies)
        removeCopy(copy);
    for (const SavedCopy& copy : listedCopies(ini.ReadList(keys::kFileList)))
        removeCopy(copy);
    removed = removeSetDirectory(run, dir, own) != DirectoryEnd::Failed;
    return removed ? ini.RemoveSection(date) : AppError();
}

AppError removeOldRecordSets(RunContext& run) {
    TIniFile& ini = *run.ini;
    loadRecordList(run);
    // What runs cut short on earlier days left is no record set: it goes first, whether or
    // not today's run saved anything. One that cannot go yet stays in the mark.
    std::vector<std::string> pending;
    for (const std::string& date : run.leftovers) {
        bool removed = false;
        TALVEK_TRY(removeUnfinishedRecordSet(run, date, removed));
        if (!removed) pending.push_back(date);
    }
    run.leftovers = pending;
    if (!run.settings.maxRecordSetsValid) {
        // The setup dialog's default: a maximum of 1 would delete every older record set.
        TALVEK_TRY(correctMaxRecordSets(ini, run.settings));
        run.fail("Die maximale Anzahl der Datensätze war kleiner als 1. Fehler wurde korrigiert !");
    }
    if (!run.savedAnyFile) {
        // Old record sets stay until a run has actually saved something new, and the next
        // start tries again instead of waiting the whole interval.
        run.log("Alte Datensätze wurden nicht gelöscht, da heute keine Datei gesichert wurde.");
        // Today's run that was cut short left copies nothing registers.
        std::string today = run.recordSetName();
        if (run.resuming && std::find(run.recordList.begin(), run.recordList.end(), today) ==
                                run.recordList.end()) {
            bool removed = false;
            TALVEK_TRY(removeUnfinishedRecordSet(run, today, removed));
            if (!removed) run.leftovers.push_back(today);
        }
        return ini.WriteText(keys::kCurrentRecord, keys::kDate, run.previousDate);
    }

    // Sets the user keeps neither go nor count: the others are brought within the maximum.
    // Room is made only for a set not yet registered: a run cut short after it registered
    // today's set and made again the same day would otherwise remove one set too many.
    std::vector<std::string>& list = run.recordList;
    const bool registered = std::find(list.begin(), list.end(), run.recordSetName()) != list.end();
    const std::size_t limit =
        static_cast<std::size_t>(run.settings.maxRecordSets) - (registered ? 0 : 1);
    std::size_t counted = 0;
    for (const std::string& entry : list)
        if (!readRecordSet(ini, entry).kept) ++counted;
    std::size_t next = 0;
    while (counted > limit && next < list.size()) {
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

#include "backup/Restore.h"

#include "backup/Crc32.h"
#include "backup/FileReading.h"
#include "backup/IniCache.h"
#include "backup/PathRules.h"
#include "backup/Replacement.h"
#include "backup/RunJournal.h"
#include "config/Concat.h"
#include "config/IniFile.h"
#include "config/Keys.h"
#include "config/Settings.h"
#include "config/TextCase.h"

namespace talvek {

namespace {

const char* const kFile = "Die Datei ";
const char* const kStays = " bleibt, wie sie ist.";
const char* const kNotWritten = " konnte nicht zurückgeschrieben werden und bleibt, wie sie ist.";
const char* const kAsBefore = " ist wieder wie vor der Wiederherstellung.";

// Every pass over a file while it is written back counts as that file's.
class WritingBack : public PieceProgress {
  public:
    WritingBack(PieceProgress* to, const std::string& original) : to_(to), original_(original) {}
    void advanced(const std::string&, std::uint64_t done, std::uint64_t total) override {
        if (to_) to_->advanced(original_, done, total);
    }

  private:
    PieceProgress* to_;
    const std::string& original_;
};

void report(Restore& restore, const std::string& line, bool failed) {
    restore.report.push_back(line);
    if (failed) restore.failures.push_back(line);
}

void journal(Restore& restore, const char* what, const std::string& date) {
    std::string problem = addJournalBlock(
        restore.files, restore.windowsDirectory,
        journalBlock(concat({journalStamp(restore.now), what, date}), restore.failures));
    if (!problem.empty()) restore.report.push_back(problem);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Makes each missing level of `folder` below its drive, which must exist.
bool makeFolders(FileSystem& files, const std::string& folder) {
    if (folder.size() < 3 || folder[1] != ':' || !files.directoryExists(folder.substr(0, 3)))
        return false;
    for (std::size_t at = 3; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '\\' && folder[at] != '/') continue;
        const std::string level = folder.substr(0, at);
        if (!files.directoryExists(level) && !files.createDirectory(level)) return false;
    }
    return true;
}

// The line for a file that only MS-DOS can write back: how, with `batch`, the set's recovery
// batch, where there is one, else by copying `from`.
std::string onlyUnderDos(Restore& restore, const std::string& original, const std::string& from,
                         const std::string& batch) {
    FileSystem& files = restore.files;
    std::string line =
        concat({kFile, original,
                " ist in Benutzung und kann nur unter MS-DOS zurückgeschrieben "
                "werden: Starten Sie den Computer mit ",
                restore.windowsMe ? "der Startdiskette und " : "\"Nur Eingabeaufforderung\" und "});
    if (!batch.empty())
        line += concat({"rufen Sie ", dosName(files, batch), " auf."});
    else
        line += concat(
            {"kopieren Sie ", dosName(files, from), " nach ", dosName(files, original), "."});
    return line;
}

// Windows 95 lets a program rename and delete a file that is open, so a failed rename proves
// nothing: its registry files are known by name and never touched from Windows.
bool heldByWindows(const std::string& original, const std::string& windowsDirectory) {
    const std::string folder = folderOf(original), name = resolvedNamePart(original);
    if (sameIgnoringCase(folder, windowsDirectory))
        return sameIgnoringCase(name, "SYSTEM.DAT") || sameIgnoringCase(name, "USER.DAT");
    return sameIgnoringCase(name, "USER.DAT") &&
           sameIgnoringCase(folderOf(folder), windowsDirectory + "\\Profiles");
}

// Writes `from` over `original` and reports how it went; true when it was written. A file
// Windows holds open can only be written with Windows not running: the report says how.
bool writeBack(Restore& restore, int number, const std::string& original, const std::string& from,
               std::uint32_t crc, std::uint32_t attributes, const std::string& batch,
               const char* done) {
    FileSystem& files = restore.files;
    WritingBack progress(restore.progress, original);
    // What Windows holds of an ini file goes to the disk first, so that it cannot later
    // overwrite the file written back, and again after, so that Windows reads the new text.
    flushIfIni(files, original);
    Replaced result =
        replaceFile(files, restore.ini, number, from, crc, original, attributes, &progress);
    flushIfIni(files, original);
    if (result == Replaced::Done) {
        report(restore, concat({kFile, original, done}), false);
        return true;
    }
    if (result == Replaced::Failed) {
        report(restore, concat({kFile, original, kNotWritten}), true);
        return false;
    }
    report(restore, onlyUnderDos(restore, original, from, batch), true);
    return false;
}

// Deletes a saved original, then the folder of its own it lay in.
void deleteSaved(FileSystem& files, const UndoList& undo, const UndoEntry& entry) {
    deleteOwnFile(files, undo.savedPath(entry));
    const std::string folder = copyFolderIn(undo.directory, entry.copy);
    if (!folder.empty()) files.removeDirectory(folder);
}

// Whether an entry names an original the undo can bring back: one that did not exist, with
// what the restore wrote, or one saved in the undo directory. Any other (a hand-made one,
// or one whose restore was cut short) is replaced when its file is restored again.
bool savedAtHand(FileSystem& files, const UndoList& undo, const UndoEntry& entry) {
    if (entry.isNew) return !entry.after.empty();
    const std::string saved = undo.savedPath(entry);
    return !saved.empty() && files.fileExists(saved);
}

// Saves the original into the undo directory and lists it there: the save goes under a
// name of our own that nothing lists, so that a reset while a large file is saved leaves
// nothing in the directory that the undo section does not name; it takes its name once it
// is listed. `saved` false when the original cannot be saved; it stays as it is then.
AppError saveOriginal(Restore& restore, const std::string& original, UndoList& undo, bool& saved) {
    FileSystem& files = restore.files;
    saved = false;
    UndoEntry entry;
    entry.copy.number = undo.nextNumber();
    entry.copy.original = original;
    entry.copy.name = resolvedNamePart(original);
    // Two originals of the same name (BOOT.INI of two folders) must not share one place.
    for (const UndoEntry& other : undo.entries)
        if (sameFileName(other.copy.name, entry.copy.name)) placeApart(entry.copy);
    entry.isNew = !files.fileExists(original);
    const std::string path = undo.savedPath(entry);
    const std::string saving = undo.directory + "\\" + keys::kSavingName;
    const std::string failed = concat(
        {kFile, original, " konnte nicht nach ", undo.directory, " gesichert werden und", kStays});
    if (!entry.isNew) {
        flushIfIni(files, original); // the text Windows will read, saved
        entry.copy.attributes = files.attributes(original) & kRecordedAttributes;
        std::uint32_t savedCrc = 0, originalCrc = 0;
        WritingBack progress(restore.progress, original);
        // A file of that name is not ours to replace, whoever put it there.
        if (path.empty() || files.attributes(path) != attr::kInvalid ||
            !copyInPieces(files, original, saving, originalCrc, &progress) ||
            !fileChecksum(files, saving, savedCrc, &progress) || savedCrc != originalCrc) {
            deleteOwnFile(files, saving);
            report(restore, failed, true);
            return AppError();
        }
        entry.copy.crc = crcText(savedCrc);
    }
    undo.entries.push_back(entry);
    TALVEK_TRY(writeUndo(restore.ini, undo));
    const std::string folder = copyFolderIn(undo.directory, entry.copy);
    if (!entry.isNew && !folder.empty()) files.createDirectory(folder);
    if (!entry.isNew && !files.moveFile(saving, path)) {
        deleteOwnFile(files, saving);
        if (!folder.empty()) files.removeDirectory(folder);
        undo.entries.pop_back();
        TALVEK_TRY(writeUndo(restore.ini, undo));
        report(restore, failed, true);
        return AppError();
    }
    saved = true;
    return AppError();
}

// Saves the original, unless an earlier restore since the last undo did, then writes the
// copy over it.
AppError restoreOne(Restore& restore, const RecordSet& set, const SavedCopy& copy, UndoList& undo) {
    FileSystem& files = restore.files;
    const std::string& original = copy.original;
    const std::string from = set.copyPath(copy);
    std::uint32_t crc = 0, recorded = 0;
    const char* problem = nullptr;
    WritingBack progress(restore.progress, original);
    if (from.empty() || !fileChecksum(files, from, crc, &progress))
        problem = " fehlt: ";
    else if (!copy.crc.empty() && (!parseCrcText(copy.crc, recorded) || recorded != crc))
        problem = " ist beschädigt: ";
    if (problem) {
        report(restore, concat({"Die Kopie ", from, problem, kFile, original, kStays}), true);
        return AppError();
    }
    const std::string batch = isPlainFileName(set.recFile)
                                  ? set.directory + "\\" + resolvedName(set.recFile)
                                  : std::string();
    if (heldByWindows(original, restore.windowsDirectory)) {
        report(restore, onlyUnderDos(restore, original, from, batch), true);
        return AppError();
    }
    const std::string folder = folderOf(original);
    if (!folder.empty() && !files.directoryExists(folder) && !makeFolders(files, folder)) {
        report(restore,
               concat({"Das Verzeichnis ", folder, " konnte nicht erstellt werden; die Datei ",
                       original, kStays}),
               true);
        return AppError();
    }
    // A set of an older version has no attributes: those of the file it replaces.
    std::uint32_t attributes = copy.attributes;
    if (attributes == attr::kInvalid)
        attributes = files.fileExists(original) ? files.attributes(original) & kRecordedAttributes
                                                : attr::kArchive;

    std::size_t at = undo.indexOf(original);
    const bool savedNow = at == undo.entries.size() || !savedAtHand(files, undo, undo.entries[at]);
    if (savedNow) {
        if (at < undo.entries.size()) undo.entries.erase(undo.entries.begin() + at);
        bool saved = false;
        TALVEK_TRY(saveOriginal(restore, original, undo, saved));
        if (!saved) return AppError();
        at = undo.entries.size() - 1;
    }
    UndoEntry& entry = undo.entries[at];
    if (writeBack(restore, entry.copy.number, original, from, crc, attributes, batch,
                  " wurde wiederhergestellt.")) {
        entry.after = crcText(crc);
    } else if (savedNow) {
        // Nothing was written over it: the original saved now is needed no more. Deleted
        // before it is unlisted, so that a reset leaves nothing the section does not name.
        if (!entry.isNew) deleteSaved(files, undo, entry);
        undo.entries.pop_back();
        TALVEK_TRY(writeUndo(restore.ini, undo));
    }
    return AppError();
}

// Brings one original back to what it was before the first restore; true when it is so
// now and the entry can go.
bool undoOne(Restore& restore, const UndoList& undo, const UndoEntry& entry) {
    FileSystem& files = restore.files;
    const std::string& original = entry.copy.original;
    std::uint32_t now = 0, value = 0;
    const bool present = files.fileExists(original);
    WritingBack progress(restore.progress, original);
    const bool readable = present && fileChecksum(files, original, now, &progress);
    const auto holds = [&](const std::string& crc) {
        return readable && parseCrcText(crc, value) && value == now;
    };
    const std::string saved = undo.savedPath(entry);
    if (heldByWindows(original, restore.windowsDirectory)) {
        report(restore, onlyUnderDos(restore, original, saved, std::string()), true);
        return false;
    }
    if (entry.isNew ? !present : holds(entry.copy.crc)) {
        // A restore cut short before it wrote, or a file put back by hand.
        report(restore, concat({kFile, original, kAsBefore}), false);
    } else if (!holds(entry.after)) {
        // Whatever changed it since (the user, an installation) is not undone unasked.
        report(restore,
               concat({kFile, original, " wurde nach der Wiederherstellung geändert und", kStays}),
               true);
        return false;
    } else if (entry.isNew) {
        const bool deleted = removeOriginal(files, original);
        report(restore,
               concat({kFile, original,
                       deleted ? " wurde wieder gelöscht." : " konnte nicht gelöscht werden."}),
               !deleted);
        if (!deleted) return false;
    } else {
        std::uint32_t crc = 0;
        if (saved.empty() || !parseCrcText(entry.copy.crc, crc)) {
            report(restore, concat({kFile, original, kNotWritten}), true);
            return false;
        }
        if (!writeBack(restore, entry.copy.number, original, saved, crc,
                       entry.copy.attributes == attr::kInvalid ? attr::kArchive
                                                               : entry.copy.attributes,
                       std::string(), kAsBefore))
            return false;
    }
    if (!entry.isNew) deleteSaved(files, undo, entry);
    return true;
}

} // namespace

AppError restorableSet(TIniFile& ini, const RecordSet& set) {
    const std::string backup = readSettings(ini).storedBackupDirectory();
    if (isAbsoluteDirectory(backup) && isRecordSetDirectory(set.directory) &&
        liesDirectlyIn(set.directory, backup))
        return AppError();
    return AppError(concat({"Der Datensatz vom ", set.date,
                            " liegt nicht im Sicherungsverzeichnis: Talvek schreibt aus ihm keine "
                            "Dateien zurück."}));
}

void finishCutRestore(FileSystem& files, TIniFile& ini) {
    finishCutReplacement(files, ini);
    const std::string directory = undoDirectory(ini);
    if (!directory.empty()) deleteOwnFile(files, concat({directory, "\\", keys::kSavingName}));
}

AppError restoreCopies(Restore& restore, const RecordSet& set) {
    FileSystem& files = restore.files;
    TALVEK_TRY(restorableSet(restore.ini, set));
    finishCutRestore(files, restore.ini);
    UndoList undo = readUndo(restore.ini);
    undo.date = formatDateText(Date{restore.now.year, restore.now.month, restore.now.day});
    if (!files.directoryExists(undo.directory)) files.createDirectory(undo.directory);
    for (const SavedCopy& copy : set.copies)
        TALVEK_TRY(restoreOne(restore, set, copy, undo));
    journal(restore, " Wiederherstellung aus dem Datensatz vom ", set.date);
    return AppError();
}

bool canUndo(TIniFile& ini) {
    return !readRecordSet(ini, keys::kUndo).copies.empty();
}

AppError undoRestore(Restore& restore) {
    finishCutRestore(restore.files, restore.ini);
    UndoList undo = readUndo(restore.ini);
    // An entry undone has its saved original deleted at once and is forgotten below: a
    // reset in between leaves it listed, with the file as it was, which the next undo
    // finds so.
    std::vector<UndoEntry> left;
    for (const UndoEntry& entry : undo.entries)
        if (!undoOne(restore, undo, entry)) left.push_back(entry);
    undo.entries.swap(left);
    TALVEK_TRY(writeUndo(restore.ini, undo));
    journal(restore, " Wiederherstellung rückgängig gemacht", std::string());
    return AppError();
}

} // namespace talvek

#include "backup/Restore.h"

#include "config/Decimal.h"
#include "backup/Crc32.h"
#include "backup/FileReading.h"
#include "backup/PathRules.h"
#include "backup/Replacement.h"
#include "backup/RunJournal.h"
#include "config/Concat.h"
#include "config/IniFile.h"
#include "config/Keys.h"

namespace talvek {

namespace {

const char* const kFile = "Die Datei ";
const char* const kStays = " bleibt, wie sie ist.";
const char* const kNotWritten = " konnte nicht zurückgeschrieben werden und bleibt, wie sie ist.";

// How a user at the MS-DOS prompt names a path: its short form, which MS-DOS 7.0 outside
// Windows can use.
std::string dosName(FileSystem& files, const std::string& path) {
    if (isShortPath(path)) return path;
    std::string shortPath = files.shortPath(path);
    return shortPath.empty() ? path : shortPath;
}

// The undo section: the saved originals as a record set's copies are listed, and "Neu<n>=1"
// for each original that did not exist (it has no checksum of its own).
AppError writeUndo(TIniFile& ini, const RecordSet& undo) {
    if (undo.copies.empty()) return ini.RemoveSection(keys::kUndo);
    KeyValues values = recordSetSection(undo);
    for (const SavedCopy& saved : undo.copies)
        if (saved.crc.empty())
            addKeyValue(values, keys::kUndoNewPrefix + decimalText(saved.number), "1");
    return ini.WriteSection(keys::kUndo, values);
}

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

// Writes `from` over `original` and reports how it went; true when it was written. A file
// Windows holds open (SYSTEM.DAT, USER.DAT) can only be written with Windows not running:
// the report says how, with `batch`, the set's recovery batch, where there is one.
bool writeBack(Restore& restore, const SavedCopy& entry, const std::string& from, std::uint32_t crc,
               std::uint32_t attributes, const std::string& batch, const char* done) {
    FileSystem& files = restore.files;
    const std::string& original = entry.original;
    Replaced result =
        replaceFile(files, restore.ini, entry.number, from, crc, original, attributes);
    if (result == Replaced::Done) {
        report(restore, concat({kFile, original, done}), false);
        return true;
    }
    if (result == Replaced::Failed) {
        report(restore, concat({kFile, original, kNotWritten}), true);
        return false;
    }
    std::string line = concat({kFile, original,
                               " ist in Benutzung und kann nur unter MS-DOS zurückgeschrieben "
                               "werden: Starten Sie den Computer mit \"Nur Eingabeaufforderung\" "
                               "und "});
    if (!batch.empty())
        line += concat({"rufen Sie ", dosName(files, batch), " auf."});
    else
        line += concat(
            {"kopieren Sie ", dosName(files, from), " nach ", dosName(files, original), "."});
    report(restore, line, true);
    return false;
}

// Saves the original into the undo directory and lists it there, then writes the copy
// over it.
AppError restoreOne(Restore& restore, const RecordSet& set, const SavedCopy& copy,
                    RecordSet& undo) {
    FileSystem& files = restore.files;
    const std::string from = set.copyPath(copy);
    std::uint32_t crc = 0, recorded = 0;
    const char* problem = nullptr;
    if (from.empty() || !fileChecksum(files, from, crc))
        problem = " fehlt: ";
    else if (!copy.crc.empty() && (!parseCrcText(copy.crc, recorded) || recorded != crc))
        problem = " ist beschädigt: ";
    if (problem) {
        report(restore, concat({"Die Kopie ", from, problem, kFile, copy.original, kStays}), true);
        return AppError();
    }
    SavedCopy before = copy;
    before.crc.clear();
    before.attributes = attr::kInvalid;
    std::uint32_t attributes = copy.attributes;
    const std::string saved = undo.copyPath(before);
    if (files.fileExists(copy.original)) {
        before.attributes = files.attributes(copy.original) & kRecordedAttributes;
        std::uint32_t savedCrc = 0, originalCrc = 0;
        if (!files.copyFile(copy.original, saved, true) || !files.setAttributes(saved, 0) ||
            !fileChecksum(files, saved, savedCrc) ||
            !fileChecksum(files, copy.original, originalCrc) || savedCrc != originalCrc) {
            deleteOwnFile(files, saved);
            report(restore,
                   concat({kFile, copy.original, " konnte nicht nach ", undo.directory,
                           " gesichert werden und", kStays}),
                   true);
            return AppError();
        }
        before.crc = crcText(savedCrc);
        // A set of an older version has no attributes: those of the file it replaces.
        if (attributes == attr::kInvalid) attributes = before.attributes;
    } else if (attributes == attr::kInvalid) {
        attributes = attr::kArchive;
    }
    // Listed before the original is touched, so that a reset from here on can be undone.
    undo.copies.push_back(before);
    TALVEK_TRY(writeUndo(restore.ini, undo));
    const std::string batch = isPlainFileName(set.recFile)
                                  ? set.directory + "\\" + resolvedName(set.recFile)
                                  : std::string();
    if (!writeBack(restore, copy, from, crc, attributes, batch, " wurde wiederhergestellt.")) {
        undo.copies.pop_back();
        deleteOwnFile(files, saved);
    }
    return AppError();
}

} // namespace

AppError restorableSet(TIniFile& ini, const RecordSet& set) {
    const std::string backup = ini.ReadText(keys::kSettings, keys::kRecoveryDirectory, "");
    if (isAbsoluteDirectory(backup) && isRecordSetDirectory(set.directory) &&
        liesDirectlyIn(set.directory, backup))
        return AppError();
    return AppError(concat({"Der Datensatz vom ", set.date,
                            " liegt nicht im Sicherungsverzeichnis: Talvek schreibt aus ihm keine "
                            "Dateien zurück."}));
}

std::string undoDirectory(TIniFile& ini) {
    return concat(
        {ini.ReadText(keys::kSettings, keys::kRecoveryDirectory, ""), "\\", keys::kUndoDirectory});
}

AppError restoreCopies(Restore& restore, const RecordSet& set) {
    FileSystem& files = restore.files;
    TALVEK_TRY(restorableSet(restore.ini, set));
    finishCutReplacement(files, restore.ini);

    // A new restore forgets the undo of the last one: first the section, then its files.
    RecordSet undo;
    undo.date = keys::kUndo;
    undo.directory = undoDirectory(restore.ini);
    undo.recordedDate = formatDateText(Date{restore.now.year, restore.now.month, restore.now.day});
    TALVEK_TRY(restore.ini.RemoveSection(keys::kUndo));
    std::vector<std::string> names;
    if (!files.directoryExists(undo.directory)) files.createDirectory(undo.directory);
    if (files.listDirectory(undo.directory, names))
        for (const std::string& name : names)
            deleteOwnFile(files, undo.directory + "\\" + name);

    for (const SavedCopy& copy : set.copies)
        TALVEK_TRY(restoreOne(restore, set, copy, undo));
    // The last file that stayed as it was is still listed.
    TALVEK_TRY(writeUndo(restore.ini, undo));
    journal(restore, " Wiederherstellung aus dem Datensatz vom ", set.date);
    return AppError();
}

bool canUndo(TIniFile& ini) {
    return !readRecordSet(ini, keys::kUndo).copies.empty();
}

AppError undoRestore(Restore& restore) {
    FileSystem& files = restore.files;
    finishCutReplacement(files, restore.ini);
    RecordSet undo = readRecordSet(restore.ini, keys::kUndo);
    std::vector<SavedCopy> left;
    std::vector<std::string> saved; // of the files written back, to delete once forgotten
    for (const SavedCopy& entry : undo.copies) {
        const std::string& original = entry.original;
        const std::string from = undo.copyPath(entry);
        bool undone = false;
        std::uint32_t crc = 0;
        if (restore.ini.ReadText(keys::kUndo, keys::kUndoNewPrefix + decimalText(entry.number),
                                 "") == "1") {
            undone = removeOriginal(files, original);
            report(restore,
                   concat({kFile, original,
                           undone ? " wurde wieder gelöscht." : " konnte nicht gelöscht werden."}),
                   !undone);
        } else if (!from.empty() && parseCrcText(entry.crc, crc)) {
            undone =
                writeBack(restore, entry, from, crc,
                          entry.attributes == attr::kInvalid ? attr::kArchive : entry.attributes,
                          std::string(), " ist wieder wie vor der Wiederherstellung.");
            if (undone) saved.push_back(from);
        } else {
            report(restore, concat({kFile, original, kNotWritten}), true);
        }
        if (!undone) left.push_back(entry);
    }
    // What stays as it is can still be undone later; the rest is forgotten, the section
    // first, so that it never lists a file that is gone.
    undo.copies.swap(left);
    TALVEK_TRY(writeUndo(restore.ini, undo));
    for (const std::string& path : saved)
        deleteOwnFile(files, path);
    journal(restore, " Wiederherstellung rückgängig gemacht", std::string());
    return AppError();
}

} // namespace talvek

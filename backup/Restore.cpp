#include "backup/Restore.h"

#include "backup/Crc32.h"
#include "backup/FileReading.h"
#include "backup/PathRules.h"
#include "backup/Replacement.h"
#include "backup/RunJournal.h"
#include "config/Keys.h"

namespace talvek {

namespace {

// How a user at the MS-DOS prompt names a path: its short form, which MS-DOS 7.0 outside
// Windows can use.
std::string dosName(FileSystem& files, const std::string& path) {
    if (isShortPath(path)) return path;
    std::string shortPath = files.shortPath(path);
    return shortPath.empty() ? path : shortPath;
}

// A file Windows holds open (SYSTEM.DAT, USER.DAT) can only be written with Windows not
// running: the report says how, with the set's batch where it has one.
std::string onlyUnderDos(FileSystem& files, const std::string& original, const char* done,
                         const std::string& batch, const std::string& copy) {
    std::string line = "Die Datei " + original + " ist in Benutzung und kann nur unter MS-DOS ";
    line += done;
    line += " werden: Starten Sie den Computer mit \"Nur Eingabeaufforderung\" und ";
    if (!batch.empty()) {
        line += "rufen Sie " + dosName(files, batch) + " auf.";
    } else {
        line += "kopieren Sie " + dosName(files, copy) + " nach " + dosName(files, original) + ".";
    }
    return line;
}

std::string leftAsItIs(const std::string& original) {
    return "Die Datei " + original + " bleibt, wie sie ist.";
}

// The undo section: the saved originals as a record set's copies are listed, and "Neu<n>=1"
// for each original that did not exist (it has no checksum of its own).
AppError writeUndo(TIniFile& ini, const RecordSet& undo) {
    if (undo.copies.empty()) return ini.RemoveSection(keys::kUndo);
    KeyValues values = recordSetSection(undo);
    for (const SavedCopy& saved : undo.copies)
        if (saved.crc.empty())
            values.emplace_back(keys::kUndoNewPrefix + std::to_string(saved.number), "1");
    return ini.WriteSection(keys::kUndo, values);
}

void report(Restore& restore, const std::string& line, bool failed) {
    restore.report.push_back(line);
    if (failed) restore.failures.push_back(line);
}

void journal(Restore& restore, const std::string& first) {
    std::string problem = addJournalBlock(restore.files, restore.windowsDirectory,
                                          journalBlock(first, restore.failures));
    if (!problem.empty()) restore.report.push_back(problem);
}

// Saves the original into the undo directory and lists it, then writes the copy over it.
// The failure line when it was left as it was, empty when it was written back.
AppError restoreOne(Restore& restore, const RecordSet& set, const SavedCopy& copy, RecordSet& undo,
                    std::string& failure) {
    FileSystem& files = restore.files;
    const std::string from = set.copyPath(copy);
    std::uint32_t crc = 0, recorded = 0;
    if (from.empty() || !fileChecksum(files, from, crc)) {
        failure = "Die Kopie " + from + " fehlt: " + leftAsItIs(copy.original);
        return AppError();
    }
    if (!copy.crc.empty() && (!parseCrcText(copy.crc, recorded) || recorded != crc)) {
        failure = "Die Kopie " + from + " ist beschädigt: " + leftAsItIs(copy.original);
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
            failure = "Die Datei " + copy.original + " konnte nicht nach " + undo.directory +
                      " gesichert werden und bleibt, wie sie ist.";
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
    Replaced result =
        replaceFile(files, restore.ini, copy.number, from, crc, copy.original, attributes);
    if (result == Replaced::Done) return AppError();
    undo.copies.pop_back();
    deleteOwnFile(files, saved);
    failure = result == Replaced::InUse
                  ? onlyUnderDos(files, copy.original, "wiederhergestellt",
                                 set.recFile.empty() || !isPlainFileName(set.recFile)
                                     ? std::string()
                                     : set.directory + "\\" + set.recFile,
                                 from)
                  : "Die Datei " + copy.original +
                        " konnte nicht wiederhergestellt werden und bleibt, wie sie ist.";
    return AppError();
}

} // namespace

AppError restoreCopies(Restore& restore, const RecordSet& set,
                       const std::vector<std::size_t>& chosen) {
    FileSystem& files = restore.files;
    const std::string backup = restore.ini.ReadText(keys::kSettings, keys::kRecoveryDirectory, "");
    // Only a record set directory of the backup directory is ours to write back from.
    if (!isAbsoluteDirectory(backup) || !isRecordSetDirectory(set.directory) ||
        !liesDirectlyIn(set.directory, backup))
        return AppError("Der Datensatz vom " + set.date +
                        " liegt nicht im Sicherungsverzeichnis: Talvek schreibt aus ihm keine "
                        "Dateien zurück.");
    finishCutReplacement(files, restore.ini);

    // A new restore forgets the undo of the last one: first the section, then its files.
    RecordSet undo;
    undo.date = keys::kUndo;
    undo.directory = backup + "\\" + keys::kUndoDirectory;
    undo.recordedDate = formatDateText(Date{restore.now.year, restore.now.month, restore.now.day});
    TALVEK_TRY(restore.ini.RemoveSection(keys::kUndo));
    std::vector<std::string> names;
    if (!files.directoryExists(undo.directory)) files.createDirectory(undo.directory);
    if (files.listDirectory(undo.directory, names))
        for (const std::string& name : names)
            deleteOwnFile(files, undo.directory + "\\" + name);

    for (std::size_t index : chosen) {
        const SavedCopy& copy = set.copies[index];
        std::string failure;
        TALVEK_TRY(restoreOne(restore, set, copy, undo, failure));
        report(restore,
               failure.empty() ? "Die Datei " + copy.original + " wurde wiederhergestellt."
                               : failure,
               !failure.empty());
    }
    // The last file that stayed as it was is still listed.
    TALVEK_TRY(writeUndo(restore.ini, undo));
    journal(restore,
            journalStamp(restore.now) + " Wiederherstellung aus dem Datensatz vom " + set.date);
    return AppError();
}

bool canUndo(TIniFile& ini) {
    return !readRecordSet(ini, keys::kUndo).copies.empty();
}

AppError undoRestore(Restore& restore) {
    FileSystem& files = restore.files;
    finishCutReplacement(files, restore.ini);
    RecordSet undo = readRecordSet(restore.ini, keys::kUndo);
    const SectionValues values = restore.ini.ReadSection(keys::kUndo);
    std::vector<SavedCopy> left, done;
    for (SavedCopy saved : undo.copies) {
        const std::string& original = saved.original;
        const std::string from = undo.copyPath(saved);
        std::string line = "Die Datei " + original + " konnte nicht zurückgeholt werden.";
        bool undone = false;
        std::uint32_t crc = 0;
        if (values.get(keys::kUndoNewPrefix + std::to_string(saved.number), "") == "1") {
            saved.crc.clear(); // stays listed as new
            undone = removeOriginal(files, original);
            if (undone) line = "Die Datei " + original + " wurde wieder gelöscht.";
        } else if (!from.empty() && parseCrcText(saved.crc, crc)) {
            std::uint32_t attributes =
                saved.attributes == attr::kInvalid ? attr::kArchive : saved.attributes;
            Replaced result =
                replaceFile(files, restore.ini, saved.number, from, crc, original, attributes);
            undone = result == Replaced::Done;
            if (undone)
                line = "Die Datei " + original + " ist wieder wie vor der Wiederherstellung.";
            else if (result == Replaced::InUse)
                line = onlyUnderDos(files, original, "zurückgeholt", std::string(), from);
        }
        report(restore, line, !undone);
        (undone ? done : left).push_back(saved);
    }
    // What stays as it is can still be undone later; the rest is forgotten, the section
    // first, so that it never lists a file that is gone.
    undo.copies = left;
    TALVEK_TRY(writeUndo(restore.ini, undo));
    for (const SavedCopy& saved : done)
        if (!saved.crc.empty()) deleteOwnFile(files, undo.copyPath(saved));
    journal(restore, journalStamp(restore.now) + " Wiederherstellung rückgängig gemacht");
    return AppError();
}

} // namespace talvek

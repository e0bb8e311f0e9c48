#include "backup/Replacement.h"

#include "backup/Crc32.h"
#include "backup/FileReading.h"
#include "backup/PathRules.h"
#include "backup/RecordSet.h"
#include "config/Decimal.h"
#include "config/Keys.h"

namespace talvek {

// Why two renames, and not a copy over the original: a copy cut short by a reset leaves the
// original half written, and Windows 95 has no call that replaces a file in one step
// (MoveFileEx is missing there). So the new file is made complete beside the original, under
// a name of ours in the same directory, and read back; only then does the original move
// aside and the new file take its name. Both are renames inside one directory: the content
// never moves, and a reset leaves each name either the old file or the new one. Between the
// two renames the original's name is free for a moment; the undo section names the file
// meanwhile, and the next restore, undo or opening of the page puts the new file in place
// and deletes what a cut-short replacement left beside the originals.
// The backup run does not do that: a run started from the page while a restore is under way
// would take the file out from under it.

namespace {

// Empty for an original without an absolute directory: it would be looked for wherever the
// current directory is.
std::string besideOriginal(const std::string& original, const char* name) {
    const std::size_t slash = original.find_last_of("\\/");
    if (slash == std::string::npos) return std::string();
    std::string path = original.substr(0, slash + 1);
    path += name;
    return isAbsoluteDirectory(path) ? path : std::string();
}

// Our names beside the original: the new file while it is made and checked, the old one
// while the new one takes its place (it is saved in the undo directory before). Neither may
// be a name the configuration file or the journal uses beside WIN.INI in the Windows
// directory (TALVEK95.NEU, TALVEK95.NEW): their next access would take it for their own.
const char* const kNewName = "TALVEK95.ZUR";
const char* const kOldName = "TALVEK95.ALT";

std::string afterKey(int number) {
    return keys::kUndoAfterPrefix + decimalText(number);
}

} // namespace

void deleteOwnFile(FileSystem& files, const std::string& path) {
    if (files.fileExists(path) && files.setAttributes(path, 0)) files.deleteFile(path);
}

Replaced replaceFile(FileSystem& files, TIniFile& ini, int number, const std::string& source,
                     std::uint32_t crc, const std::string& original, std::uint32_t attributes,
                     PieceProgress* progress) {
    const std::string fresh = besideOriginal(original, kNewName);
    const std::string old = besideOriginal(original, kOldName);
    if (fresh.empty()) return Replaced::Failed;
    std::uint32_t read = 0, written = 0;
    if (!copyInPieces(files, source, fresh, read, progress) || read != crc ||
        !fileChecksum(files, fresh, written, progress) || written != crc ||
        !files.setAttributes(fresh, attributes)) {
        deleteOwnFile(files, fresh);
        return Replaced::Failed;
    }
    if (ini.WriteNumber(keys::kUndo, keys::kUndoReplacing, number)) {
        deleteOwnFile(files, fresh);
        return Replaced::Failed;
    }
    Replaced result = Replaced::Done;
    const bool existed = files.fileExists(original);
    if (existed && !files.moveFile(original, old)) {
        result = Replaced::InUse;
    } else if (!files.moveFile(fresh, original)) {
        // With neither in its place, the mark stays for finishCutReplacement.
        if (existed && !files.moveFile(old, original)) return Replaced::Failed;
        result = Replaced::Failed;
    }
    if (result == Replaced::Done && existed) deleteOwnFile(files, old);
    deleteOwnFile(files, fresh);
    // The undo writes back over a file only while it holds what was written here. Should
    // this write fail, the mark stays and the next finishCutReplacement records the file.
    if (result != Replaced::Done || !ini.WriteText(keys::kUndo, afterKey(number), crcText(crc)))
        (void)ini.RemoveKey(keys::kUndo, keys::kUndoReplacing);
    return result;
}

void finishCutReplacement(FileSystem& files, TIniFile& ini) {
    const RecordSet undo = readRecordSet(ini, keys::kUndo);
    const int marked = ini.ReadNumber(keys::kUndo, keys::kUndoReplacing, 0);
    for (const SavedCopy& entry : undo.copies) {
        const std::string& original = entry.original;
        if (entry.number != marked) continue;
        // The new file was complete when the mark was written: it takes the free name.
        if (!files.fileExists(original) &&
            !files.moveFile(besideOriginal(original, kNewName), original))
            files.moveFile(besideOriginal(original, kOldName), original);
        // Old or new, the file is what the program left there, so the undo takes it as the
        // restore's; otherwise the mark stays: next time, then.
        std::uint32_t crc = 0;
        if (!fileChecksum(files, original, crc) ||
            ini.WriteText(keys::kUndo, afterKey(entry.number), crcText(crc)))
            return;
    }
    // What is left beside the originals is needed no more: a new file is named by the mark
    // once it is complete, and an old one exists only while the mark is there.
    for (const SavedCopy& entry : undo.copies) {
        deleteOwnFile(files, besideOriginal(entry.original, kNewName));
        deleteOwnFile(files, besideOriginal(entry.original, kOldName));
    }
    if (marked) (void)ini.RemoveKey(keys::kUndo, keys::kUndoReplacing);
}

// Moving it aside first, a reset leaves the file either whole or gone.
bool removeOriginal(FileSystem& files, const std::string& original) {
    const std::string old = besideOriginal(original, kOldName);
    if (!files.fileExists(original)) return true;
    if (old.empty() || !files.moveFile(original, old)) return false;
    deleteOwnFile(files, old);
    return true;
}

} // namespace talvek

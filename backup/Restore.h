// Writing a record set's copies back over their originals from Windows, and its undo. Each
// original is saved into the undo directory below the backup directory and listed in the
// undo section before it is first replaced; every write goes through replaceFile. Restores
// add up until an undo: it returns every file to what it was before the first of them.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "backup/RecordSetChecks.h"
#include "backup/UndoList.h"
#include "platform/Clock.h"

namespace talvek {

struct Restore {
    FileSystem& files;
    TIniFile& ini;
    std::string windowsDirectory; // the journal's place
    LocalTime now;
    std::vector<std::string> report;   // a line for each file, in order
    std::vector<std::string> failures; // the report's lines of files left as they were
    PieceProgress* progress = nullptr; // told of each piece written back or read for it
    bool windowsMe = false;            // no MS-DOS start from the disk: the startup disk
};

// Only a record set directory of the backup directory is written back from: the error
// that says so for any other set.
AppError restorableSet(TIniFile& ini, const RecordSet& set);

// Completes what a restore or undo cut short: the replacement under way, and an original
// half saved into the undo directory.
void finishCutRestore(FileSystem& files, TIniFile& ini);

// Writes back the copies `set` lists, in their order, when the set is restorable: a caller
// that writes back some of them passes the set with those only.
AppError restoreCopies(Restore& restore, const RecordSet& set);

// Whether the undo section lists files.
bool canUndo(TIniFile& ini);
// Writes back every file the undo section lists, deletes the originals that were new, and
// then forgets what was undone. A file changed since its restore, or that stays as it is
// for another reason, stays listed.
AppError undoRestore(Restore& restore);

} // namespace talvek

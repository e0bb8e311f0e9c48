// Writing a record set's copies back over their originals from Windows, and its undo. Each
// original is saved into the undo directory below the backup directory and listed in the
// undo section before it is replaced; every write goes through replaceFile.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "backup/RecordSets.h"
#include "platform/Clock.h"

namespace talvek {

struct Restore {
    FileSystem& files;
    TIniFile& ini;
    std::string windowsDirectory; // the journal's place
    LocalTime now;
    std::vector<std::string> report;   // a line for each file, in order
    std::vector<std::string> failures; // the report's lines of files left as they were
};

// Only a record set directory of the backup directory is written back from: the error
// that says so for any other set.
AppError restorableSet(TIniFile& ini, const RecordSet& set);

// The undo directory, where the originals are saved before a restore replaces them.
std::string undoDirectory(TIniFile& ini);

// Writes back the copies `set` lists, in their order, when the set is restorable: a caller
// that writes back some of them passes the set with those only.
AppError restoreCopies(Restore& restore, const RecordSet& set);

// Whether the undo section lists files.
bool canUndo(TIniFile& ini);
// Writes back every file the undo section lists, deletes the originals that were new, and
// then forgets what was undone. A file that stays as it is stays listed.
AppError undoRestore(Restore& restore);

} // namespace talvek

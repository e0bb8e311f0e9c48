// The undo section "Vorher": every original the restores since the last undo replaced, and
// where the undo finds it. Only the undo directory below the current backup directory is
// ever read from or written to, whatever the section says.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "backup/RecordSet.h"

namespace talvek {

struct UndoEntry {
    // The original's path, and the saved original's name, checksum and attributes.
    SavedCopy copy;
    bool isNew = false; // "Neu<n>=1": there was no original, the restore made the file
    std::string after;  // "Danach<n>": the checksum of what the restore wrote; empty when none
};

struct UndoList {
    std::string directory; // the undo directory; empty without an absolute backup directory
    std::string date;      // "Datum"
    std::vector<UndoEntry> entries;

    // Where the saved original of an entry lies, as a record set's copy lies in its
    // directory; empty when its name or place would leave the directory.
    std::string savedPath(const UndoEntry& entry) const;
    // The index of an original's entry, compared as the file system compares names; the
    // number of entries when none lists it.
    std::size_t indexOf(const std::string& original) const;
    int nextNumber() const;
};

// The undo directory below the backup directory; empty when that is no absolute path.
std::string undoDirectory(TIniFile& ini);

UndoList readUndo(TIniFile& ini);
// Writes the section whole; without entries it removes it.
AppError writeUndo(TIniFile& ini, const UndoList& undo);

} // namespace talvek

// The checks of a record set's copies: against the checksums taken at backup time, and
// against today's originals (what a restore would change).
#pragma once
#include <string>
#include <vector>

#include "backup/FileReading.h"
#include "backup/RecordSet.h"

namespace talvek {

// Re-reads every copy; each line names a copy that is missing or differs from its checksum,
// or whose checksum is no such number. A copy without a checksum is checked for presence only.
std::vector<std::string> checkRecordSet(FileSystem& files, const RecordSet& set,
                                        PieceProgress* progress = nullptr);

// ChecksumUnreadable: the recorded checksum is no such number, so nothing tells whether the
// copy is whole.
enum class CopyState {
    Unchanged,
    Changed,
    OriginalMissing,
    CopyMissing,
    Damaged,
    ChecksumUnreadable
};
// "unverändert", "geändert", "Original fehlt", "Kopie fehlt", "beschädigt", "Prüfsumme
// unlesbar".
const char* copyStateText(CopyState state);
// Only a copy known to be whole is written back.
inline bool restorable(CopyState state) {
    return state != CopyState::CopyMissing && state != CopyState::Damaged &&
           state != CopyState::ChecksumUnreadable;
}

// The restore offers to write back what changed or went missing.
inline bool tickedAtFirst(CopyState state) {
    return state == CopyState::Changed || state == CopyState::OriginalMissing;
}

// What a restore of each copy would change, in the order of the set's copies.
std::vector<CopyState> copyStates(FileSystem& files, const RecordSet& set,
                                  PieceProgress* progress = nullptr);

} // namespace talvek

#include "backup/UndoList.h"

#include "backup/PathRules.h"
#include "config/Concat.h"
#include "config/Decimal.h"
#include "config/Keys.h"
#include "config/Settings.h"
#include "config/TextCase.h"

namespace talvek {

std::string UndoList::savedPath(const UndoEntry& entry) const {
    return copyPathIn(directory, entry.copy);
}

std::size_t UndoList::indexOf(const std::string& original) const {
    std::size_t at = 0;
    while (at < entries.size() && !sameIgnoringCase(entries[at].copy.original, original))
        ++at;
    return at;
}

int UndoList::nextNumber() const {
    int last = 0;
    for (const UndoEntry& entry : entries)
        if (entry.copy.number > last) last = entry.copy.number;
    return last + 1;
}

std::string undoDirectory(TIniFile& ini) {
    const std::string backup = readSettings(ini).storedBackupDirectory();
    return isAbsoluteDirectory(backup) ? concat({backup, "\\", keys::kUndoDirectory})
                                       : std::string();
}

UndoList readUndo(TIniFile& ini) {
    const SectionValues values = ini.ReadSection(keys::kUndo);
    // The section's own "Directory" is never read: a hand-made one could name any folder.
    RecordSet set = recordSetOf(keys::kUndo, values);
    UndoList undo;
    undo.directory = undoDirectory(ini);
    undo.date = set.recordedDate;
    for (const SavedCopy& copy : set.copies) {
        const std::string n = decimalText(copy.number);
        undo.entries.push_back({copy, values.get(keys::kUndoNewPrefix + n, "") == "1",
                                values.get(keys::kUndoAfterPrefix + n, "")});
    }
    return undo;
}

AppError writeUndo(TIniFile& ini, const UndoList& undo) {
    if (undo.entries.empty()) return ini.RemoveSection(keys::kUndo);
    RecordSet set;
    set.directory = undo.directory;
    set.recordedDate = undo.date;
    for (const UndoEntry& entry : undo.entries)
        set.copies.push_back(entry.copy);
    KeyValues values = recordSetSection(set);
    for (const UndoEntry& entry : undo.entries) {
        const std::string n = decimalText(entry.copy.number);
        if (entry.isNew) addKeyValue(values, keys::kUndoNewPrefix + n, "1");
        if (!entry.after.empty()) addKeyValue(values, keys::kUndoAfterPrefix + n, entry.after);
    }
    return ini.WriteSection(keys::kUndo, values);
}

} // namespace talvek

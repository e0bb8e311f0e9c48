#include "backup/RecordSetChecks.h"

#include "backup/Crc32.h"
#include "backup/FileReading.h"
#include "backup/IniCache.h"
#include "backup/PathRules.h"

namespace talvek {

std::vector<std::string> checkRecordSet(FileSystem& files, const RecordSet& set,
                                        PieceProgress* progress) {
    std::vector<std::string> problems;
    for (const SavedCopy& c : set.copies) {
        const std::string copy = set.copyPath(c);
        if (copy.empty()) continue;
        std::uint32_t crc = 0, recorded = 0;
        if (!fileChecksum(files, copy, crc, progress))
            problems.push_back("Die Kopie " + copy + " fehlt.");
        else if (c.crc.empty())
            continue;
        else if (!parseCrcText(c.crc, recorded))
            problems.push_back("Die Prüfsumme der Kopie " + copy + " ist unlesbar.");
        else if (recorded != crc)
            problems.push_back("Die Kopie " + copy + " ist beschädigt.");
    }
    return problems;
}

const char* copyStateText(CopyState state) {
    switch (state) {
    case CopyState::Unchanged:
        return "unverändert";
    case CopyState::Changed:
        return "geändert";
    case CopyState::OriginalMissing:
        return "Original fehlt";
    case CopyState::CopyMissing:
        return "Kopie fehlt";
    case CopyState::ChecksumUnreadable:
        return "Prüfsumme unlesbar";
    case CopyState::Damaged:
        break;
    }
    return "beschädigt";
}

std::vector<CopyState> copyStates(FileSystem& files, const RecordSet& set,
                                  PieceProgress* progress) {
    std::vector<CopyState> states;
    for (const SavedCopy& c : set.copies) {
        const std::string copy = set.copyPath(c);
        std::uint32_t crc = 0, recorded = 0, original = 0;
        CopyState state = CopyState::Changed;
        // Windows may hold a newer text of an ini original than its disk.
        flushIfIni(files, c.original);
        if (copy.empty() || !fileChecksum(files, copy, crc, progress))
            state = CopyState::CopyMissing;
        else if (!c.crc.empty() && !parseCrcText(c.crc, recorded))
            state = CopyState::ChecksumUnreadable;
        else if (!c.crc.empty() && recorded != crc)
            state = CopyState::Damaged;
        else if (!files.fileExists(c.original))
            state = CopyState::OriginalMissing;
        else if (fileChecksum(files, c.original, original, progress) && original == crc)
            state = CopyState::Unchanged;
        states.push_back(state);
    }
    return states;
}

} // namespace talvek

// Step 3: copies every listed file into today's record set directory and prepares the
// restore commands of the recovery batch.
#include "backup/Steps.h"

#include "config/Decimal.h"
#include "backup/Crc32.h"
#include "backup/FileReading.h"
#include "backup/IniCache.h"
#include "config/Keys.h"
#include "config/TextCase.h"

namespace talvek {

namespace {

// A file another program writes to may change while it is copied, leaving a copy half old
// and half new: it is made again. The source's checksum from one try to the next tells a
// changing source from a copy that arrives damaged.
const int kCopyTries = 3;

// Copies one entry; the failure line when it could not be saved, empty when it was.
std::string saveEntry(RunContext& run, SavedCopy saved, const std::vector<std::string>& ownNames) {
    FileSystem& files = run.platform.files;
    const std::string& entry = saved.original;
    const std::string notSaved = "Die Datei " + entry + " konnte nicht gesichert werden.";
    // A name such as ".." would put the copy outside today's directory.
    const std::string copy = copyPathIn(run.todayDirectory, saved);
    if (copy.empty()) return notSaved;
    // The protocol or the batch would overwrite this copy, and the batch would later copy
    // the protocol over the user's file.
    if (containsIgnoringCase(ownNames, saved.name))
        return "Die Datei " + entry +
               " hat den Namen der Protokoll- oder Batchdatei und wird nicht gesichert.";
    // Windows may hold a newer text of an ini file than its disk: it is written out first.
    flushIfIni(files, entry);
    // The attributes are read before the copy (copying does not change them): a file whose
    // attributes cannot be read could not be restored as it was.
    std::uint32_t attributes = files.attributes(entry);
    if (attributes == attr::kInvalid) return notSaved;
    // A run of today that was cut short left this copy: it is ours and is made anew. Else a
    // file already at the copy's place is not ours to change.
    if (run.resuming && files.fileExists(copy) &&
        (!files.setAttributes(copy, 0) || !files.deleteFile(copy)))
        return notSaved;
    // A copy whose name an earlier listed file has goes into a folder of its own.
    const std::string folder = copyFolderIn(run.todayDirectory, saved);
    if (!folder.empty() && !files.directoryExists(folder) && !files.createDirectory(folder))
        return notSaved;

    std::uint32_t crc = 0, previous = 0;
    for (int attempt = 1;; ++attempt) {
        bool changed = false;
        CopyResult made = copyWithChecksum(files, entry, copy, crc, changed);
        if (made == CopyResult::SourceUnreadable)
            return "Die Datei " + entry + " konnte nicht gelesen werden.";
        // A copy carries no attributes, not even the archive bit a new file gets.
        if (made == CopyResult::NotMade || !files.setAttributes(copy, 0)) return notSaved;
        // Read back, the copy must hold what was read from the source.
        std::uint32_t copyCrc = 0;
        if (!changed && fileChecksum(files, copy, copyCrc) && copyCrc == crc) break;
        // A damaged copy would be restored over a good file: it is no backup.
        files.deleteFile(copy);
        if (!changed && attempt > 1 && crc == previous)
            return "Die Kopie der Datei " + entry + " stimmt nicht mit dem Original überein.";
        if (attempt == kCopyTries)
            return "Die Datei " + entry + " wurde während der Sicherung verändert.";
        previous = crc;
    }

    run.savedAnyFile = true;
    run.log("Die Datei " + entry + " wurde erfolgreich gesichert.");
    saved.crc = crcText(crc);
    // Only what a restore can set again; Windows reports a file without any as NORMAL.
    saved.attributes = attributes & kRecordedAttributes;
    run.savedCopies.push_back(saved);
    run.recoveryBatch->add(entry, copy, attributes);
    return std::string();
}

// Today's record set section in one access, once everything is copied. A run that saved
// nothing leaves no section behind: an empty record set would later push a good one out.
AppError recordTodaysSection(RunContext& run) {
    std::string name = run.recordSetName();
    // A registered record set of today that a cut-short run left keeps its section.
    if (!run.savedAnyFile && run.todayRegistered) return AppError();
    if (!run.savedAnyFile) return run.ini->RemoveSection(name);
    RecordSet set;
    set.date = name;
    set.directory = run.todayDirectory;
    set.recordedDate = name;
    set.copies = run.savedCopies;
    return writeRecordSet(*run.ini, set);
}

} // namespace

AppError backupFiles(RunContext& run) {
    run.recoveryBatch = std::make_unique<RecoveryBatch>(run.platform.files, run.recordSetName(),
                                                        run.todayDirectory);
    run.fileList = run.ini->ReadList(keys::kFileList);
    const std::size_t n = run.fileList.size();

    run.log(decimalText(n) + " Datei(en) zu sichern.");
    if (n == 0) {
        run.fail("Es befinden sich keine Einträge in der Liste der zu sichernden Dateien");
        return recordTodaysSection(run);
    }
    const std::vector<std::string> ownNames = protocolAndBatchNames(run.settings);
    // Named as Windows names them: "PROTOCOL.TXT." is the protocol's place.
    const std::vector<SavedCopy> listed = listedCopies(run.fileList);
    FileSystem& files = run.platform.files;
    for (std::size_t j = 0; j < n; ++j) {
        std::string failure = saveEntry(run, listed[j], ownNames);
        if (failure.empty()) continue;
        run.recoveryBatch->skip();
        run.fail(failure);
        // A copy that a cut-short run left of a file that cannot be saved now is named by
        // no section: it would keep the directory from ever being removed; so would an
        // empty folder of its own.
        const std::string copy = copyPathIn(run.todayDirectory, listed[j]);
        if (run.resuming && !run.todayRegistered &&
            !containsIgnoringCase(ownNames, listed[j].name) && !copy.empty() &&
            files.fileExists(copy) && files.setAttributes(copy, 0))
            files.deleteFile(copy);
        const std::string folder = copyFolderIn(run.todayDirectory, listed[j]);
        if (!folder.empty()) files.removeDirectory(folder);
    }
    return recordTodaysSection(run);
}

} // namespace talvek

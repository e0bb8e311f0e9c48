// Step 3: copies every listed file into today's record set directory and prepares the
// restore commands of the recovery batch.
#include "backup/Steps.h"

#include "backup/Crc32.h"
#include "backup/PathRules.h"
#include "backup/RecordSetSection.h"
#include "config/Keys.h"

namespace talvek {

namespace {

const std::size_t kHeaderLines = 11;

// The path as MS-DOS 7.0 outside Windows can use it: unchanged when it is a short path,
// else the short path the platform knows for it, else the long path in double quotes.
std::string dosPath(FileSystem& files, const std::string& path) {
    if (isShortPath(path)) return batchPath(path);
    std::string shortPath = files.shortPath(path);
    if (!shortPath.empty() && isShortPath(shortPath)) return batchPath(shortPath);
    return "\"" + batchPath(path) + "\"";
}

// Whether the copy holds what the source holds, read back as a restore would read it; its
// checksum goes into `crc`.
bool copyMatches(FileSystem& files, const std::string& entry, const std::string& copy,
                 std::uint32_t& crc) {
    std::string original, copied;
    if (!files.readFile(entry, original) || !files.readFile(copy, copied)) return false;
    crc = crc32(original);
    return crc32(copied) == crc;
}

// Copies one entry. False when it could not be copied; a copy that was made but differs
// from its source is taken back and reports that itself.
bool saveEntry(RunContext& run, const std::string& entry, std::size_t position) {
    FileSystem& files = run.platform.files;
    std::string name = fileNamePart(entry);
    // A name such as ".." would put the copy outside today's directory.
    if (run.todayDirectory.empty() || !isPlainFileName(name)) return false;
    std::string copy = run.todayDirectory + "\\" + name;
    // The attributes are read before the copy (copying does not change them): a file whose
    // attributes cannot be read could not be restored as it was.
    std::uint32_t attributes = files.attributes(entry);
    if (attributes == attr::kInvalid) return false;
    // A file already at the copy's place is not ours to change. A copy that keeps its
    // read-only attribute could never be removed with its record set.
    if (!files.copyFile(entry, copy, true) || !files.setAttributes(copy, 0)) return false;
    std::uint32_t crc = 0;
    if (!copyMatches(files, entry, copy, crc)) {
        // A damaged copy would be restored over a good file: it is no backup.
        files.deleteFile(copy);
        run.fail("Die Kopie der Datei " + entry + " stimmt nicht mit dem Original überein.");
        return true;
    }

    run.savedAnyFile = true;
    run.log("Die Datei " + entry + " wurde erfolgreich gesichert.");
    const std::string n = std::to_string(position + 1);
    run.savedFiles.emplace_back(keys::kSavedFilePrefix + n, entry);
    run.savedFiles.emplace_back(keys::kChecksumPrefix + n, crcText(crc));
    std::string source = dosPath(files, entry);
    std::size_t first = kHeaderLines + 3 * position;
    run.recoveryBatch[first] = "ATTRIB -R -A -S -H " + source;
    run.recoveryBatch[first + 1] = "COPY /-Y " + dosPath(files, copy) + " " + source + " /V";
    run.recoveryBatch[first + 2] = "ATTRIB " + attributeText(attributes) + source;
    return true;
}

// Today's record set section in one access, once everything is copied. A run that saved
// nothing leaves no section behind: an empty record set would later push a good one out.
AppError recordTodaysSection(RunContext& run) {
    std::string name = run.recordSetName();
    if (!run.savedAnyFile) return run.ini->RemoveSection(name);
    return run.ini->WriteSection(name, recordSetSection(run.todayDirectory, name, run.savedFiles));
}

} // namespace

AppError backupFiles(RunContext& run) {
    run.recoveryBatch = recoveryBatchHeader(run.recordSetName(), run.todayDirectory);
    run.fileList = run.ini->ReadList(keys::kFileList);
    const std::size_t n = run.fileList.size();
    run.recoveryBatch.resize(kHeaderLines + 3 * n);

    run.log(std::to_string(n) + " Datei(en) zu sichern.");
    if (n == 0) {
        run.fail("Es befinden sich keine Einträge in der Liste der zu sichernden Dateien");
        return recordTodaysSection(run);
    }
    for (std::size_t j = 0; j < n; ++j) {
        const std::string& entry = run.fileList[j];
        // A copy that differs from its source has said so itself.
        if (!saveEntry(run, entry, j))
            run.fail("Die Datei " + entry + " konnte nicht gesichert werden.");
    }
    return recordTodaysSection(run);
}

} // namespace talvek

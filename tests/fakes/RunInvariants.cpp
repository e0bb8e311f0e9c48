#include "fakes/RunInvariants.h"

#include <algorithm>

#include "backup/Crc32.h"
#include "backup/RecordSet.h"
#include "config/ConfigurationStore.h"
#include "config/IniFile.h"
#include "config/Keys.h"

namespace talvek::testing {

namespace {

const char* const kNoErrors = "Es sind keine Fehler aufgetreten.";
const char* const kDefaultDate = "01.01.50";

std::string namePart(const std::string& path) {
    std::size_t last = path.find_last_of("\\/:");
    return last == std::string::npos ? path : path.substr(last + 1);
}

// The file Windows makes of a name: trailing dots and blanks dropped ("PROT." is PROT).
std::string windowsName(std::string name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}

bool isPlainName(const std::string& name) {
    return !windowsName(name).empty() && name.find_first_of("\\/:") == std::string::npos;
}

// Where the run puts the copy of the listed file at `at`: by its name, in a folder "DATEI<n>"
// of its own when an earlier listed file has that name.
std::string copyPlace(const std::vector<std::string>& list, std::size_t at) {
    const std::string name = FakeFileSystem::key(windowsName(namePart(list[at])));
    for (std::size_t i = 0; i < at; ++i)
        if (FakeFileSystem::key(windowsName(namePart(list[i]))) == name)
            return "datei" + std::to_string(at + 1) + "\\" + name;
    return name;
}

bool isReadableDate(const std::string& text, const Date& today) {
    Date date;
    return parseDateText(text, today, date);
}

} // namespace

RunInvariants::Snapshot RunInvariants::snapshot(FakeFileSystem& files) {
    Snapshot nodes;
    for (const std::string& path : files.paths())
        nodes[FakeFileSystem::key(path)] =
            Node{path, files.directoryExists(path), files.attributes(path), files.content(path)};
    return nodes;
}

RunInvariants::RunInvariants(FakeFileSystem& files, ProfileStore& profile,
                             const std::string& iniPath, const Date& today)
    : iniPath_(iniPath), today_(today), before_(snapshot(files)),
      journalKey_(FakeFileSystem::key(FakeFileSystem::parentOf(FakeFileSystem::key(iniPath)) +
                                      "\\talvek95.log")) {
    TIniFile ini(profile, iniPath);
    // The directory the run will use, "ERROR" when it has none.
    backupKey_ = FakeFileSystem::key(
        ini.ReadText(keys::kSettings, keys::kRecoveryDirectory, keys::kNoBackupDirectory));
    todayKey_ = FakeFileSystem::key(backupKey_ + "\\" + compactDateText(today));
    fileList_ = ini.ReadList(keys::kFileList);
    recordList_ = ini.ReadList(keys::kRecordList);
    for (const std::string& entry : fileList_) {
        std::string key = FakeFileSystem::key(entry);
        auto it = before_.find(key);
        if (it != before_.end() && !it->second.directory && !mayChange(key, it->second))
            sources_.push_back(key);
    }
    struct RecordFile {
        const char *flag, *name, *def;
    };
    for (const RecordFile& f : {RecordFile{keys::kLogFile, keys::kLogName, "PROTOCOL.TXT"},
                                RecordFile{keys::kBatchFile, keys::kBatchName, "recovery.bat"}}) {
        std::string name = ini.ReadText(keys::kSettings, f.name, f.def);
        if (ini.ReadFlag(keys::kSettings, f.flag, true) && isPlainName(name))
            recordFiles_.push_back(todayKey_ + "\\" + FakeFileSystem::key(windowsName(name)));
    }
    dateReadable_ =
        isReadableDate(ini.ReadText(keys::kCurrentRecord, keys::kDate, kDefaultDate), today);
}

bool RunInvariants::isRecordSetDirectory(const std::string& key) const {
    std::string name = key.substr(key.rfind('\\') == std::string::npos ? 0 : key.rfind('\\') + 1);
    return FakeFileSystem::parentOf(key) == backupKey_ && key.find('\\') != std::string::npos &&
           name.size() == 6 &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Only a record set directory, its copies' folders "DATEI<n>" and the files in them, the run
// journal and the configuration file (whose content is checked on its own) are the run's to remove
// or write.
bool RunInvariants::mayChange(const std::string& key, const Node& node) const {
    if (key == journalKey_ || key == FakeFileSystem::key(iniPath_) ||
        key == FakeFileSystem::key(ConfigurationStore::newFileFor(iniPath_)))
        return true;
    const auto copyFolder = [this](const std::string& k) {
        return namePart(k).rfind("datei", 0) == 0 &&
               isRecordSetDirectory(FakeFileSystem::parentOf(k));
    };
    const std::string parent = FakeFileSystem::parentOf(key);
    return node.directory ? isRecordSetDirectory(key) || copyFolder(key)
                          : isRecordSetDirectory(parent) || copyFolder(parent);
}

std::vector<std::string> RunInvariants::violations(FakeFileSystem& files, ProfileStore& profile,
                                                   const FakeProgressView& view) const {
    std::vector<std::string> out;
    const Snapshot after = snapshot(files);
    auto listed = [&](const std::string& key) {
        return std::find(sources_.begin(), sources_.end(), key) != sources_.end();
    };
    for (const auto& [key, node] : before_) {
        if (mayChange(key, node)) continue;
        auto it = after.find(key);
        std::string what = listed(key) ? "listed source " : "";
        if (it == after.end() || it->second.directory != node.directory)
            out.push_back(what + "deleted: " + node.path);
        else if (it->second.content != node.content || it->second.attributes != node.attributes)
            out.push_back(what + "changed: " + node.path);
    }

    // Readable for the next run: there, with the same file list and a date it can read.
    // A write cut short is finished by the next access, as the next start finds it.
    profile.finishInterruptedWrite(iniPath_);
    TIniFile ini(profile, iniPath_);
    if (!files.fileExists(iniPath_)) out.push_back("configuration file gone: " + iniPath_);
    if (ini.ReadList(keys::kFileList) != fileList_) out.push_back("file list changed");
    std::string date = ini.ReadText(keys::kCurrentRecord, keys::kDate, kDefaultDate);
    if (dateReadable_ && !isReadableDate(date, today_))
        out.push_back("stored date unreadable: " + date);

    // A run that rotated keeps the bound, or says why not: a failed removal is an error.
    int maximum = ini.ReadNumber(keys::kSettings, keys::kMaxRecordSets, 3);
    std::vector<std::string> list = ini.ReadList(keys::kRecordList);
    std::size_t registered = list.size();
    if (list != recordList_ && maximum >= 1 && registered > static_cast<std::size_t>(maximum) &&
        view.boxes.empty())
        out.push_back("more record sets than the maximum, yet no error shown: " +
                      std::to_string(registered));

    // A run that shows no error must have saved every listed source and its record files.
    if (view.status != kNoErrors || !view.boxes.empty()) return out;
    for (std::size_t j = 0; j < fileList_.size(); ++j) {
        const std::string key = FakeFileSystem::key(fileList_[j]);
        if (!listed(key)) continue;
        auto copy = after.find(todayKey_ + "\\" + copyPlace(fileList_, j));
        if (copy == after.end() || copy->second.content != before_.at(key).content)
            out.push_back("not saved, yet no error shown: " + before_.at(key).path);
    }
    for (const std::string& key : recordFiles_)
        if (!after.count(key)) out.push_back("not written, yet no error shown: " + key);
    return out;
}

std::vector<std::string> RunInvariants::afterRestart(FakeFileSystem& files, ProfileStore& profile,
                                                     const std::string& iniPath,
                                                     const std::string& journalBefore,
                                                     const std::string& today) {
    std::vector<std::string> out;
    TIniFile ini(profile, iniPath);
    const std::string backup = ini.ReadText(keys::kSettings, keys::kRecoveryDirectory, "");
    std::vector<std::string> list = ini.ReadList(keys::kRecordList);
    // The configuration whole: its settings and its file list are there.
    if (backup.empty()) out.push_back("configuration lost its settings");
    if (ini.ReadList(keys::kFileList).empty()) out.push_back("configuration lost its file list");
    std::vector<std::string> ownDirectories;
    for (const std::string& date : list) {
        SectionValues values = ini.ReadSection(date);
        const std::string dir = values.get(keys::kDirectory, "");
        ownDirectories.push_back(FakeFileSystem::key(dir));
        if (!files.directoryExists(dir)) out.push_back("registered set without directory: " + date);
        for (const auto& [n, original] : values.numbered(keys::kSavedFilePrefix)) {
            const std::string place = values.get(keys::kCopyPrefix + std::to_string(n), "");
            const std::string copy = dir + "\\" + (place.empty() ? namePart(original) : place);
            const std::string crc = values.get(keys::kChecksumPrefix + std::to_string(n), "");
            // A section of an older version has no checksums: its copies are there.
            if (!files.fileExists(copy) ||
                (!crc.empty() && crcText(crc32(files.content(copy))) != crc))
                out.push_back("registered copy lost or damaged: " + copy);
        }
    }
    SectionValues mark = ini.ReadSection(keys::kRunMark);
    if (!mark.get(keys::kDate, "").empty()) out.push_back("a run is still under way");
    std::string leftovers = " " + mark.get(keys::kMarkLeftovers, "") + " ";
    for (const std::string& child : files.children(backup)) {
        std::string key = FakeFileSystem::key(child);
        if (!files.directoryExists(child) ||
            std::find(ownDirectories.begin(), ownDirectories.end(), key) != ownDirectories.end())
            continue;
        std::string name = namePart(child);
        if (FakeFileSystem::key(name) == "vorher") continue; // the undo of a restore stays
        std::string date =
            name.size() == 6 ? name.substr(0, 2) + "." + name.substr(2, 2) + "." + name.substr(4, 2)
                             : name;
        if (leftovers.find(" " + date + " ") == std::string::npos)
            out.push_back("directory nobody will remove: " + child);
    }

    const std::string journal =
        files.content(FakeFileSystem::parentOf(FakeFileSystem::key(iniPath)) + "\\talvek95.log");
    if (journal.compare(0, journalBefore.size(), journalBefore) != 0)
        out.push_back("journal lost its earlier blocks");
    for (std::size_t at = journal.find('\n'); at != std::string::npos;
         at = journal.find('\n', at + 1))
        if (at == 0 || journal[at - 1] != '\r') out.push_back("journal line without CR LF");
    if (!journal.empty() && journal.back() != '\n') out.push_back("journal ends in an open line");

    if (today.empty()) return out;
    if (std::find(list.begin(), list.end(), today) == list.end())
        out.push_back("today's record set not registered");
    SectionValues values = ini.ReadSection(today);
    const std::string dir = values.get(keys::kDirectory, "");
    std::vector<std::string> saved;
    for (const auto& entry : values.numbered(keys::kSavedFilePrefix))
        saved.push_back(entry.second);
    const std::vector<std::string> listed = ini.ReadList(keys::kFileList);
    for (std::size_t j = 0; j < listed.size(); ++j) {
        const std::string& entry = listed[j];
        if (std::find(saved.begin(), saved.end(), entry) == saved.end() ||
            files.content(dir + "\\" + copyPlace(listed, j)) != files.content(entry))
            out.push_back("today's record set misses " + entry);
    }
    for (const char* key : {keys::kRecordLogFile, keys::kRecordRecFile})
        if (!files.fileExists(dir + "\\" + values.get(key, "?")))
            out.push_back(std::string("today's record set misses its ") + key);
    return out;
}

} // namespace talvek::testing

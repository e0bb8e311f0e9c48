// In-memory Windows file system: names compare without case, "\" and "/" separate, a drive
// root ("C:") always exists, directories are made one level at a time, copies can refuse an
// existing target, a non-empty directory cannot be removed, and paths are limited as the ANSI
// functions limit them (MAX_PATH, 248 characters for a new directory). Text files written in
// the OEM code page are converted as a German Windows converts them (code page 850).
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/FaultPlan.h"
#include "platform/FileSystem.h"

namespace talvek::testing {

class FakeFileSystem : public FileSystem {
  public:
    std::string windowsDirectory(std::size_t bufferSize) override;
    std::uint32_t attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    std::string currentDirectory() override {
        return injectedFault(faults, "currentDirectory") ? std::string() : current;
    }
    bool setCurrentDirectory(const std::string& path) override;
    std::string shortPath(const std::string& path) override;
    bool writeTextFile(const std::string& path, const std::vector<std::string>& lines,
                       CodePage codePage) override;
    bool writeFile(const std::string& path, const std::string& content) override;
    bool appendTextFile(const std::string& path, const std::vector<std::string>& lines,
                        CodePage codePage) override;
    bool readFile(const std::string& path, std::string& text) override;
    std::unique_ptr<FileReader> openForReading(const std::string& path) override;
    std::unique_ptr<FileWriter> createNew(const std::string& path) override;
    void flushWindowsIni() override { flushIni(windowsDir + "\\WIN.INI"); }
    void flushPrivateIni(const std::string& path) override { // WIN.INI is kept apart
        if (key(path) != key(windowsDir + "\\WIN.INI")) flushIni(path);
    }
    bool moveFile(const std::string& from, const std::string& to) override;
    bool listDirectory(const std::string& path, std::vector<std::string>& names) override;

    // Test set-up and inspection.
    void addFile(const std::string& path, const std::string& content = "x",
                 std::uint32_t attributes = attr::kArchive);
    void addDirectory(const std::string& path); // with all missing parents
    bool exists(const std::string& path) const;
    std::string content(const std::string& path) const;
    // Every file: lower-case path -> content and attributes.
    std::map<std::string, std::pair<std::string, std::uint32_t>> allFiles() const;
    // Paths below `directory` (direct children), in their stored spelling.
    std::vector<std::string> children(const std::string& directory) const;
    // Every file and directory, in its stored spelling.
    std::vector<std::string> paths() const;

    std::string windowsDir = "C:\\WINDOWS";
    std::string current = "C:\\";
    std::map<std::string, std::string> shortNames; // lower-case path -> short path
    std::set<std::string> unwritable;              // lower-case paths whose writes fail
    std::set<std::string> damagedCopies;           // lower-case targets a copy arrives at changed
    // Files another program holds open for writing, with read and write sharing: they can be
    // copied and read in pieces, not read by a reader that shares reading only (readFile),
    // written, deleted or renamed.
    std::set<std::string> heldOpen;
    // Windows 95 lets another program delete or rename a file that is held open.
    bool openFilesMove = false;
    // Sources another program writes to while they are read: lower-case path -> how many of
    // the next readers (or copies) see it change under way.
    std::map<std::string, int> changingSources;
    // Windows 95's profile cache: lower-case path of WIN.INI or a private ini file -> the text
    // Windows holds of it, reaching the file only when that file's cache is flushed.
    std::map<std::string, std::string> profileCache;
    // Lower-case path -> how often it was opened to be read.
    std::map<std::string, int> readings;
    std::size_t largestRead = 0;    // the largest piece any reader was asked for
    std::vector<std::string> calls; // "copy a -> b", "delete x", ... in order
    FaultPlan* faults = nullptr;    // shared with the profile in a fault sweep
    static constexpr std::size_t kMaxPath = 260;

    // The fake's own spelling of a path: lower case, "\" only, no doubled or trailing
    // separators, a drive root without its "\"; and the parent of such a key.
    static std::string key(const std::string& path);
    static std::string parentOf(const std::string& key);

  private:
    friend class FakeWriter;
    struct Node {
        std::string name;
        bool directory = false;
        std::uint32_t attributes = 0;
        std::string content;
    };
    std::uint32_t attributesOf(const std::string& path) const;
    bool writeText(const std::string& call, const std::string& path,
                   const std::vector<std::string>& lines, CodePage codePage, bool append);
    bool writeBytes(const std::string& call, const std::string& path, std::string text,
                    bool append);
    void flushIni(const std::string& path);
    bool hasChildren(const std::string& key) const;
    bool parentIsDirectory(const std::string& key) const;
    std::map<std::string, Node> nodes_;
};

} // namespace talvek::testing

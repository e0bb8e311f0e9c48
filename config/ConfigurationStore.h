// The configuration file, read and written whole by the program itself. Neither Windows 95
// nor Wine writes a profile file in one step: both rewrite it in place, so a reset during a
// write left it empty or cut. Here every access reads the whole file and parses it as the
// profile functions would; a change writes the whole new text as TALVEK95.NEU beside it,
// deletes the old file and renames the new one (Windows 95 has no one-step replace). A new
// file found beside a missing old one was complete (the old one is deleted only after it);
// one found beside the old one was cut short and goes. Every access holds the named lock
// of the configuration, so no process reads while another one writes.
#pragma once
#include <string>
#include <vector>

#include "config/IniDocument.h"
#include "platform/FileSystem.h"
#include "platform/Locks.h"
#include "platform/ProfileStore.h"

namespace talvek {

class ConfigurationStore : public ProfileStore {
  public:
    ConfigurationStore(FileSystem& files, Locks& locks) : files_(files), locks_(locks) {}

    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& def, std::size_t bufferSize) override;
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override;
    bool removeSection(const std::string& file, const std::string& section) override;
    bool removeKey(const std::string& file, const std::string& section,
                   const std::string& key) override;
    bool hasSection(const std::string& file, const std::string& section) override;
    // Every line of the section: never cut, whatever its length.
    bool readSection(const std::string& file, const std::string& section, std::size_t bufferSize,
                     std::vector<std::string>& lines) override;
    bool writeSection(const std::string& file, const std::string& section,
                      const std::vector<std::string>& lines) override;
    void finishInterruptedWrite(const std::string& file) override;

    // The file that takes the configuration's place: TALVEK95.NEU in its folder.
    static std::string newFileFor(const std::string& file);

  private:
    enum class Loaded { Missing, Read, Unreadable };
    void settle(const std::string& file);
    Loaded load(const std::string& file);
    bool save(const std::string& file, bool replacing);
    template <typename Change> bool change(const std::string& file, Change apply);

    FileSystem& files_;
    Locks& locks_;
    // The last text read or written and its parse, so that an unchanged file is not parsed
    // again at every access.
    std::string cachedFile_;
    std::string cachedText_;
    bool cached_ = false;
    IniDocument document_;
};

} // namespace talvek

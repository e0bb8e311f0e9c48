// The real platform behind the seams: private-profile functions, file system and clock.
#pragma once
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/ProfileStore.h"

namespace talvek {

class Win32Profile : public ProfileStore {
  public:
    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& def, std::size_t bufferSize) override;
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override;
    bool removeSection(const std::string& file, const std::string& section) override;
    bool removeKey(const std::string& file, const std::string& section,
                   const std::string& key) override;
    bool hasSection(const std::string& file, const std::string& section) override;
    bool readSection(const std::string& file, const std::string& section, std::size_t bufferSize,
                     std::vector<std::string>& lines) override;
    bool writeSection(const std::string& file, const std::string& section,
                      const std::vector<std::string>& lines) override;
};

class Win32FileSystem : public FileSystem {
  public:
    std::string windowsDirectory(std::size_t bufferSize) override;
    std::uint32_t attributes(const std::string& path) override;
    bool setAttributes(const std::string& path, std::uint32_t attributes) override;
    bool createDirectory(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteFile(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
    std::string shortPath(const std::string& path) override;
    bool writeTextFile(const std::string& path, const std::vector<std::string>& lines,
                       CodePage codePage) override;
    bool appendTextFile(const std::string& path, const std::vector<std::string>& lines,
                        CodePage codePage) override;
    bool readFile(const std::string& path, std::string& content) override;
    std::unique_ptr<FileReader> openForReading(const std::string& path) override;
    std::unique_ptr<FileWriter> createNew(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;
    bool listDirectory(const std::string& path, std::vector<std::string>& names) override;
};

class Win32Clock : public Clock {
  public:
    LocalTime now() override;
};

} // namespace talvek

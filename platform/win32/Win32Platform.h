// The real platform behind the seams: file system and clock.
#pragma once
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace talvek {

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
    bool writeFile(const std::string& path, const std::string& content) override;
    bool appendTextFile(const std::string& path, const std::vector<std::string>& lines,
                        CodePage codePage) override;
    bool readFile(const std::string& path, std::string& content) override;
    std::unique_ptr<FileReader> openForReading(const std::string& path) override;
    std::unique_ptr<FileWriter> createNew(const std::string& path) override;
    void flushWindowsIni() override;
    void flushPrivateIni(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;
    bool listDirectory(const std::string& path, std::vector<std::string>& names) override;
};

class Win32Clock : public Clock {
  public:
    LocalTime now() override;
};

} // namespace talvek

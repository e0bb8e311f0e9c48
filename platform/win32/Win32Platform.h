// The real platform behind the seams: file system and clock, and every real platform object
// together as the entry makes them.
#pragma once
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Locks.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfo.h"

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

// The platform objects of one start of the program, made once at its entry and handed to the
// window that needs them. `watch` hands a started process to the message loop.
struct Win32Platform {
    explicit Win32Platform(Win32Processes::Watch watch) : processes(watch) {}

    Win32FileSystem files;
    Win32Clock clock;
    Win32Locks locks;
    Win32Registry registry;
    Win32SystemInfo system;
    Win32Questions questions;
    Win32FileOpenDialog openDialog;
    Win32Processes processes;
};

} // namespace talvek

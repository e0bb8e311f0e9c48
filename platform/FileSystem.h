// Seam over the Windows file system calls the backup run makes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace talvek {

// The code page a text file is written in: the Windows code page of our strings, or the OEM
// code page that COMMAND.COM and every DOS prompt read.
enum class CodePage { Windows, Oem };

namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x01;
inline constexpr std::uint32_t kHidden = 0x02;
inline constexpr std::uint32_t kSystem = 0x04;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kInvalid = 0xFFFFFFFFu;
} // namespace attr

// The attributes a record set keeps of an original and a restore gives back.
inline constexpr std::uint32_t kRecordedAttributes =
    attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;

// A file open for reading in pieces, closed when the reader goes.
class FileReader {
  public:
    virtual ~FileReader() = default;
    // The next piece of at most `most` bytes into `piece`; an empty piece at the end. False
    // when the read fails.
    virtual bool read(std::string& piece, std::size_t most) = 0;
    // The file's size in bytes when it was opened.
    virtual std::uint64_t size() = 0;
    // Whether the file's size or last write time moved since it was opened: another program
    // wrote to it while it was read, so what was read may be half old and half new.
    virtual bool changedSinceOpened() = 0;
};

// A new file being written in pieces; closed when the writer goes.
class FileWriter {
  public:
    virtual ~FileWriter() = default;
    virtual bool write(const std::string& piece) = 0;
    // Closes the file; false when what was written did not all reach it.
    virtual bool close() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // GetWindowsDirectory into a buffer of bufferSize characters; empty when it fails or
    // does not fit.
    virtual std::string windowsDirectory(std::size_t bufferSize) = 0;
    // GetFileAttributes; attr::kInvalid when the path does not exist.
    virtual std::uint32_t attributes(const std::string& path) = 0;
    virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // CreateDirectory: one level, fails when the parent is missing or the name is taken.
    virtual bool createDirectory(const std::string& path) = 0;
    virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    virtual bool removeDirectory(const std::string& path) = 0;
    virtual std::string currentDirectory() = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;
    // GetShortPathName; empty when the platform has none for the path.
    virtual std::string shortPath(const std::string& path) = 0;
    // Creates (or empties) a text file and writes the lines, each ended by CR LF, converted
    // from the Windows code page into `codePage`.
    // False when the file could not be created, written or closed.
    virtual bool writeTextFile(const std::string& path, const std::vector<std::string>& lines,
                               CodePage codePage) = 0;
    // Creates (or empties) the file and writes the bytes as they are, flushed to the disk
    // before it is closed. False when it could not be created, written or closed.
    virtual bool writeFile(const std::string& path, const std::string& content) = 0;
    // Like writeTextFile, but the lines go after what the file holds; a missing file is
    // created.
    virtual bool appendTextFile(const std::string& path, const std::vector<std::string>& lines,
                                CodePage codePage) = 0;
    // The whole content of one of the program's own small files, unconverted. False when it
    // cannot be opened or read. A user's file is read in pieces (openForReading).
    virtual bool readFile(const std::string& path, std::string& content) = 0;
    // Opens a file for reading with read and write sharing, so that a file another program
    // (or Windows itself) holds open for writing can still be read. Null when it cannot.
    virtual std::unique_ptr<FileReader> openForReading(const std::string& path) = 0;
    // Creates a file to write in pieces; null when the name is taken or it cannot be made.
    virtual std::unique_ptr<FileWriter> createNew(const std::string& path) = 0;
    // Windows 95 holds WIN.INI and the last private ini file it used in memory and writes
    // them back later; these write what it holds to the file now. Best effort: nothing to
    // do when nothing is held.
    virtual void flushWindowsIni() = 0;
    virtual void flushPrivateIni(const std::string& path) = 0;
    // MoveFile: renames a file; fails when the target exists.
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;
    // The names of the files and directories in a directory ("." and ".." left out). False
    // when it cannot be listed.
    virtual bool listDirectory(const std::string& path, std::vector<std::string>& names) = 0;

    bool fileExists(const std::string& path) {
        std::uint32_t a = attributes(path);
        return a != attr::kInvalid && (a & attr::kDirectory) == 0;
    }
    bool directoryExists(const std::string& path) {
        std::uint32_t a = attributes(path);
        return a != attr::kInvalid && (a & attr::kDirectory) != 0;
    }
};

} // namespace talvek

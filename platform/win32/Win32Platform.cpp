#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/Handles.h"

namespace talvek {

std::string Win32FileSystem::windowsDirectory(std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize, '\0');
    UINT got = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(bufferSize));
    // A result as large as the buffer is the size needed, not a path.
    if (got == 0 || got >= bufferSize) return std::string();
    return std::string(buffer.data(), got);
}

std::uint32_t Win32FileSystem::attributes(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool Win32FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool Win32FileSystem::createDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool Win32FileSystem::deleteFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32FileSystem::removeDirectory(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) != FALSE;
}

std::string Win32FileSystem::currentDirectory() {
    char buffer[MAX_PATH] = {};
    DWORD got = GetCurrentDirectoryA(MAX_PATH, buffer);
    if (got == 0 || got >= MAX_PATH) return std::string();
    return std::string(buffer, got);
}

bool Win32FileSystem::setCurrentDirectory(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

std::string Win32FileSystem::shortPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD got = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    if (got == 0 || got >= MAX_PATH) return std::string();
    return std::string(buffer, got);
}

namespace {

// Writes the lines, each ended by CR LF, converted into `codePage`, and closes the file.
bool writeLines(FileHandle file, const std::vector<std::string>& lines, CodePage codePage) {
    if (!file) return false;
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    // Converts in place: every character stays one byte in the OEM code page.
    if (codePage == CodePage::Oem && !text.empty() &&
        !CharToOemBuffA(text.data(), text.data(), static_cast<DWORD>(text.size())))
        return false;
    DWORD written = 0;
    if (!text.empty() &&
        (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
         written != text.size()))
        return false;
    return CloseHandle(file.release()) != FALSE;
}

// What tells a file that another program wrote to: its size and its last write time.
struct FileStamp {
    DWORD size = INVALID_FILE_SIZE;
    FILETIME written{};
    bool operator==(const FileStamp& o) const {
        return size == o.size && written.dwLowDateTime == o.written.dwLowDateTime &&
               written.dwHighDateTime == o.written.dwHighDateTime;
    }
};

FileStamp stampOf(HANDLE file) {
    FileStamp stamp;
    stamp.size = GetFileSize(file, nullptr);
    if (!GetFileTime(file, nullptr, nullptr, &stamp.written)) stamp.size = INVALID_FILE_SIZE;
    return stamp;
}

class Win32FileReader : public FileReader {
  public:
    explicit Win32FileReader(FileHandle file)
        : file_(std::move(file)), opened_(stampOf(file_.get())) {}
    bool read(std::string& piece, std::size_t most) override {
        piece.resize(most);
        DWORD got = 0;
        if (!ReadFile(file_.get(), piece.data(), static_cast<DWORD>(most), &got, nullptr)) {
            piece.clear();
            return false;
        }
        piece.resize(got);
        return true;
    }
    std::uint64_t size() override {
        DWORD high = 0;
        const DWORD low = GetFileSize(file_.get(), &high);
        return (static_cast<std::uint64_t>(high) << 32) | low;
    }
    bool changedSinceOpened() override {
        FileStamp now = stampOf(file_.get());
        return now.size == INVALID_FILE_SIZE || !(now == opened_);
    }

  private:
    FileHandle file_;
    FileStamp opened_;
};

class Win32FileWriter : public FileWriter {
  public:
    explicit Win32FileWriter(FileHandle file) : file_(std::move(file)) {}
    bool write(const std::string& piece) override {
        DWORD written = 0;
        return WriteFile(file_.get(), piece.data(), static_cast<DWORD>(piece.size()), &written,
                         nullptr) &&
               written == piece.size();
    }
    bool close() override { return CloseHandle(file_.release()) != FALSE; }

  private:
    FileHandle file_;
};

} // namespace

bool Win32FileSystem::writeTextFile(const std::string& path, const std::vector<std::string>& lines,
                                    CodePage codePage) {
    return writeLines(FileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr)),
                      lines, codePage);
}

bool Win32FileSystem::writeFile(const std::string& path, const std::string& content) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    if (!content.empty() && (!WriteFile(file.get(), content.data(),
                                        static_cast<DWORD>(content.size()), &written, nullptr) ||
                             written != content.size()))
        return false;
    // On the disk before the old file goes: a reset after the rename must find it whole.
    return FlushFileBuffers(file.get()) != FALSE && CloseHandle(file.release()) != FALSE;
}

bool Win32FileSystem::appendTextFile(const std::string& path, const std::vector<std::string>& lines,
                                     CodePage codePage) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER)
        return false;
    return writeLines(std::move(file), lines, codePage);
}

bool Win32FileSystem::readFile(const std::string& path, std::string& content) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD size = GetFileSize(file.get(), nullptr);
    if (size == INVALID_FILE_SIZE) return false;
    content.assign(size, '\0');
    DWORD got = 0;
    if (size > 0 && (!ReadFile(file.get(), content.data(), size, &got, nullptr) || got != size))
        return false;
    return true;
}

std::unique_ptr<FileReader> Win32FileSystem::openForReading(const std::string& path) {
    // Windows 95 knows no FILE_SHARE_DELETE; read and write sharing let a file in use be read.
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32FileReader>(std::move(file));
}

std::unique_ptr<FileWriter> Win32FileSystem::createNew(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32FileWriter>(std::move(file));
}

// All three names NULL: Windows writes the profile it holds in memory to its file.
void Win32FileSystem::flushWindowsIni() {
    WriteProfileStringA(nullptr, nullptr, nullptr);
}

void Win32FileSystem::flushPrivateIni(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

bool Win32FileSystem::moveFile(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

bool Win32FileSystem::listDirectory(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA((path + "\\*").c_str(), &found));
    if (!find) return false;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find.get(), &found));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

LocalTime Win32Clock::now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return LocalTime{st.wYear,   st.wMonth,  st.wDay,         st.wHour,
                     st.wMinute, st.wSecond, st.wMilliseconds};
}

} // namespace talvek

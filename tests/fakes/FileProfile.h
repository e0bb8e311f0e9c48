// The configuration store the program uses, over the fake file system: the file's bytes lie
// in the fake, so that a failed or cut call of the file system hits the configuration as it
// would on the disk.
#pragma once
#include <string>

#include "config/ConfigurationStore.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocks.h"

namespace talvek::testing {

struct FileProfileLocks {
    FakeLocks locks;
};

class FileProfile : private FileProfileLocks, public ConfigurationStore {
  public:
    explicit FileProfile(FakeFileSystem& files) : ConfigurationStore(files, locks), files_(files) {}
    // Writes the file from "[Section]\nkey=value\n" text, with CR LF line ends.
    void load(const std::string& file, const std::string& text) {
        std::string crlf;
        for (char c : text)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        files_.addFile(file, crlf);
    }
    // The file as it lies on the disk.
    std::string text(const std::string& file) const { return files_.content(file); }

  private:
    FakeFileSystem& files_;
};

} // namespace talvek::testing

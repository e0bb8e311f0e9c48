// TIniFile: the facade over the configuration file. It holds nothing but the file's path;
// every operation is one complete access through the platform's private-profile functions.
#pragma once
#include <string>
#include <vector>

#include "platform/ProfileStore.h"

namespace talvek {

class TIniFile {
  public:
    // Values come back through a buffer of this size: at most 1023 characters.
    static constexpr std::size_t kValueBuffer = 1024;

    TIniFile(ProfileStore& store, std::string fileName);
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& def);
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    int ReadNumber(const std::string& section, const std::string& key, int def);
    void WriteNumber(const std::string& section, const std::string& key, int value);
    bool ReadFlag(const std::string& section, const std::string& key, bool def);
    void WriteFlag(const std::string& section, const std::string& key, bool value);
    // A missing section is no error; a removal the platform refuses raises the write error.
    void RemoveSection(const std::string& section);

    // A numbered list: keys prefix+first, prefix+(first+1), ... up to the first "ERROR".
    std::vector<std::string> ReadList(const std::string& section, const std::string& prefix = "",
                                      int first = 0);
    // Rewrites the section as the list under the keys "0", "1", ...
    void WriteList(const std::string& section, const std::vector<std::string>& entries);

  private:
    [[noreturn]] void raiseWriteError() const;

    ProfileStore& store_;
    std::string fileName_;
};

// Parses a stored number: "0x"/"0X" (longer than two characters) or "$" hexadecimal,
// otherwise decimal with an optional sign. False for anything else, including overflow.
bool parseStoredNumber(const std::string& text, int& value);

// The configuration file's full path: the Windows directory, a backslash and Talvek95.ini.
std::string configurationPath(const std::string& windowsDirectory);

} // namespace talvek

// TIniFile: the facade over the configuration file. It holds nothing but the file's path;
// every operation is one complete access through the platform's private-profile functions.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "config/Error.h"
#include "platform/FileSystem.h"
#include "platform/ProfileStore.h"

namespace talvek {

class TIniFile;

// A section read in one access, answering as key-by-key reading would: the first value of
// each key (compared without case), its blanks and one pair of surrounding quotes gone, cut
// to the value buffer. A section too large for one answer is read key by key instead, through
// the platform's profile store (which outlives every facade), so that nothing is ever cut.
class SectionValues {
  public:
    std::string get(const std::string& key, const std::string& def) const;
    // The numbered list prefix+first, prefix+(first+1), ... up to the first missing key or
    // "ERROR".
    std::vector<std::string> list(const std::string& prefix, int first) const;
    // Every key prefix+number (a number of decimal digits), whatever gaps lie between them,
    // in the order of their numbers. A section read key by key cannot list its keys: there
    // the numbers are tried upwards until 64 in a row are missing.
    std::vector<std::pair<int, std::string>> numbered(const std::string& prefix) const;
    // No key at all: the section is missing or empty.
    bool empty() const { return entries_.empty() && !store_; }

  private:
    friend class TIniFile;
    ProfileStore* store_ = nullptr; // set when the section had to be read key by key
    std::string file_;
    std::string section_;
    std::vector<std::pair<std::string, std::string>> entries_; // lower-case key, value
};

class TIniFile {
  public:
    // Values come back through a buffer of this size: at most 1023 characters.
    static constexpr std::size_t kValueBuffer = 1024;
    // The most a section read returns on Windows 95; a fuller answer may be cut.
    static constexpr std::size_t kSectionBuffer = 32767;

    TIniFile(ProfileStore& store, std::string fileName);
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& def);
    AppError WriteText(const std::string& section, const std::string& key,
                       const std::string& value);
    int ReadNumber(const std::string& section, const std::string& key, int def);
    AppError WriteNumber(const std::string& section, const std::string& key, int value);
    bool ReadFlag(const std::string& section, const std::string& key, bool def);
    AppError WriteFlag(const std::string& section, const std::string& key, bool value);
    // A missing section is no error; a removal the platform refuses gives the write error.
    AppError RemoveSection(const std::string& section);
    // Removes one key; a missing key is no error.
    AppError RemoveKey(const std::string& section, const std::string& key);

    // The whole section in one access.
    SectionValues ReadSection(const std::string& section);
    // Replaces the section by these keys and values, in this order, in one access.
    AppError WriteSection(const std::string& section,
                          const std::vector<std::pair<std::string, std::string>>& values);

    // Sets these keys to these values in one access, each where the section has it, the
    // others appended in this order; the section's other keys stay as they are. A section too
    // large to be read in one access gives the write error.
    AppError WriteKeys(const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& values);

    // A numbered list: keys prefix+first, prefix+(first+1), ... up to the first missing key
    // or "ERROR", read in one access.
    std::vector<std::string> ReadList(const std::string& section, const std::string& prefix = "",
                                      int first = 0);
    // Rewrites the section as the list under the keys "0", "1", ... in one access.
    AppError WriteList(const std::string& section, const std::vector<std::string>& entries);

  private:
    AppError writeError() const;

    ProfileStore& store_;
    std::string fileName_;
};

// Adds a key and its value to the pairs WriteSection takes. One function for every caller, so
// that the vector's growth is compiled once, not once for every kind of argument.
void addKeyValue(std::vector<std::pair<std::string, std::string>>& values, std::string key,
                 std::string value);

// Parses a stored number: "0x"/"0X" (longer than two characters) or "$" hexadecimal,
// otherwise decimal with an optional sign. False for anything else, including overflow.
bool parseStoredNumber(const std::string& text, int& value);

// The Windows directory is fetched into a buffer of this size, by the run and the setup alike.
inline constexpr std::size_t kWindowsDirectoryBuffer = 150;

// The configuration file's full path: the Windows directory, a backslash and Talvek95.ini.
std::string configurationPath(const std::string& windowsDirectory);
// The same from the platform; empty when the Windows directory cannot be found out.
std::string configurationFileOf(FileSystem& files);

} // namespace talvek

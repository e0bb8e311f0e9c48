// Seam over the platform's private-profile functions (one ini file access per call).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace talvek {

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // GetPrivateProfileString: the value, or `def` when the file, section or key is missing.
    // At most bufferSize - 1 characters come back.
    virtual std::string read(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& def,
                             std::size_t bufferSize) = 0;
    // WritePrivateProfileString with a value; false when the platform refuses.
    virtual bool write(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // WritePrivateProfileString with no key: removes the section; false when refused.
    virtual bool removeSection(const std::string& file, const std::string& section) = 0;
    // WritePrivateProfileString with no value: removes the key; false when refused.
    virtual bool removeKey(const std::string& file, const std::string& section,
                           const std::string& key) = 0;
    // GetPrivateProfileSection: the section's "key=value" lines in file order into `lines`, as
    // the platform returns them into a buffer of bufferSize characters. False when the answer
    // filled the buffer, so that lines may be missing or cut.
    virtual bool readSection(const std::string& file, const std::string& section,
                             std::size_t bufferSize, std::vector<std::string>& lines) = 0;
    // WritePrivateProfileSection: replaces the section's keys by the "key=value" lines in one
    // access; the old section stays as it was when the platform refuses (false).
    virtual bool writeSection(const std::string& file, const std::string& section,
                              const std::vector<std::string>& lines) = 0;
    // Whether the section is present in the file (used to tell a missing section from a refusal).
    virtual bool hasSection(const std::string& file, const std::string& section) = 0;
    // Finishes what a write cut short by a reset left of the file, before anybody asks
    // whether it exists. Nothing to do where writes cannot be cut.
    virtual void finishInterruptedWrite(const std::string& /*file*/) {}
};

} // namespace talvek

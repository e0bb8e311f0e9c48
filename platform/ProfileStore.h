// Seam over the platform's private-profile functions (one ini file access per call).
#pragma once
#include <cstddef>
#include <string>

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
    // Whether the section is present in the file (used to tell a missing section from a refusal).
    virtual bool hasSection(const std::string& file, const std::string& section) = 0;
};

} // namespace talvek

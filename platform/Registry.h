// Seam over the registry calls of the autostart entry (advapi32).
#pragma once
#include <memory>
#include <string>

namespace talvek {

// An open key; closing it is the destructor's job.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    // RegQueryValueEx of a REG_SZ value; false when it is missing or of another type.
    virtual bool getString(const std::string& name, std::string& data) = 0;
    // RegSetValueEx with type REG_SZ, the length counting the terminating zero.
    virtual bool setString(const std::string& name, const std::string& data) = 0;
    // RegDeleteValue; false when the value was missing or the deletion was refused.
    virtual bool deleteValue(const std::string& name) = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens a key below HKEY_LOCAL_MACHINE without creating it: with full access, and when
    // that is refused with read access only. Null when it cannot be opened at all.
    virtual std::unique_ptr<RegistryKey> openLocalMachine(const std::string& path) = 0;
};

} // namespace talvek

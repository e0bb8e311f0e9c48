#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Handles.h"

namespace talvek {

namespace {

// Owns one open key; RegCloseKey runs exactly once, when the object goes.
class Win32RegistryKey : public RegistryKey {
  public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}

    bool getString(const std::string& name, std::string& data) override {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ)
            return false;
        std::vector<char> buffer(size + 1, '\0');
        if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            return false;
        data = buffer.data(); // the stored size counts the zero, or may lack it
        return true;
    }
    bool setString(const std::string& name, const std::string& data) override {
        return RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()),
                              static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
    }
    bool deleteValue(const std::string& name) override {
        return RegDeleteValueA(key_.get(), name.c_str()) == ERROR_SUCCESS;
    }

  private:
    RegKey key_;
};

} // namespace

std::unique_ptr<RegistryKey> Win32Registry::openLocalMachine(const std::string& path) {
    // The registry functions take a subkey path without the leading backslash that marks it
    // as a path from the root key.
    std::string subkey = path;
    if (!subkey.empty() && subkey.front() == '\\') subkey.erase(0, 1);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_ALL_ACCESS, &key) !=
            ERROR_SUCCESS &&
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RegistryKey>(key);
}

} // namespace talvek

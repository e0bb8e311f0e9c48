// The registry seam on advapi32: keys below HKEY_LOCAL_MACHINE, never created by opening.
#pragma once
#include "platform/Registry.h"

namespace talvek {

class Win32Registry : public Registry {
  public:
    std::unique_ptr<RegistryKey> openLocalMachine(const std::string& path) override;
};

} // namespace talvek

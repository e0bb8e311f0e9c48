// Seam over the facts of the running system that the setup dialog needs.
#pragma once
#include <cstddef>
#include <string>

namespace talvek {

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    // FileSystem::windowsDirectory, for the page "Datensätze", which reads it here.
    virtual std::string windowsDirectory(std::size_t bufferSize) = 0;
    // GetModuleFileName of the running program: its full path.
    virtual std::string modulePath() = 0;
};

} // namespace talvek

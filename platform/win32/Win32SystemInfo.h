// The system facts seam on kernel32: Windows directory, the program's own path, which files exist.
#pragma once
#include "platform/SystemInfo.h"

namespace talvek {

class Win32SystemInfo : public SystemInfo {
  public:
    std::string windowsDirectory(std::size_t bufferSize) override;
    std::string modulePath() override;
    bool fileExists(const std::string& path) override;
};

} // namespace talvek

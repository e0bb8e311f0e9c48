// The system facts seam on kernel32: the program's own path.
#pragma once
#include "platform/SystemInfo.h"

namespace talvek {

class Win32SystemInfo : public SystemInfo {
  public:
    std::string modulePath() override;
    bool isWindowsMe() override;
};

} // namespace talvek

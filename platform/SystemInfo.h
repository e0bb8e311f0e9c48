// Seam over the facts of the running system that the setup dialog needs.
#pragma once
#include <string>

namespace talvek {

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    // GetModuleFileName of the running program: its full path.
    virtual std::string modulePath() = 0;
    // Windows Me (version 4.90), which cannot start into MS-DOS from the hard disk.
    virtual bool isWindowsMe() = 0;
};

} // namespace talvek

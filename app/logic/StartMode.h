// Choosing the start mode from the process command line's first argument.
#pragma once
#include <string>

namespace talvek {

enum class StartMode { Setup, BackupRun };

// "-s" or "-S" as the first argument after the program name, compared byte for byte.
StartMode chooseStartMode(const std::string& commandLine);

} // namespace talvek

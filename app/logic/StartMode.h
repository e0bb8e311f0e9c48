// Choosing the start mode from the process command line's first argument.
#pragma once
#include <string>

namespace talvek {

enum class StartMode { Setup, BackupRun, BackupNow };

// "-s" or "-S" as the first argument after the program name, compared byte for byte; with
// "jetzt" as the second, the run is due whatever the interval (the setup's "Jetzt sichern").
StartMode chooseStartMode(const std::string& commandLine);

} // namespace talvek

// Splitting the process command line and choosing the start mode from its first argument.
#pragma once
#include <string>
#include <vector>

namespace talvek {

enum class StartMode { Setup, BackupRun };

// Arguments separated by runs of characters 1 to 32; a double quote opens or closes a quoted
// stretch in which blanks belong to the argument, and the quotes are dropped. The program's
// own name is the first element, as the platform's command line carries it.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// The arguments after the program's own name, separators before them skipped: the text the
// entry point hands to WinMain. A pointer into commandLine.
const char* argumentsAfterProgramName(const char* commandLine);

// "-s" or "-S" as the first argument after the program name, compared byte for byte.
StartMode chooseStartMode(const std::string& commandLine);

} // namespace talvek

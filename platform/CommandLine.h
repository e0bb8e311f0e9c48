// The platform's rules for the process command line: how it separates arguments, and where the
// program's own name ends. Portable, so the unit tests and the fuzzer check them natively.
#pragma once
#include <string>
#include <vector>

namespace talvek {

// Arguments separated by runs of characters 1 to 32; a double quote opens or closes a quoted
// stretch in which blanks belong to the argument, and the quotes are dropped. The program's
// own name is the first element, as the platform's command line carries it.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// The arguments after the program's own name, separators before them skipped: the text the
// entry point hands to WinMain. A pointer into commandLine.
const char* argumentsAfterProgramName(const char* commandLine);

// The text as one argument of a command line: in double quotes when it holds a blank, or
// the blank would split it in two.
std::string commandLineArgument(const std::string& text);

} // namespace talvek

#include "app/logic/StartMode.h"

#include <vector>

#include "platform/CommandLine.h"

namespace talvek {

StartMode chooseStartMode(const std::string& commandLine) {
    std::vector<std::string> args = splitCommandLine(commandLine);
    const std::string first = args.size() > 1 ? args[1] : std::string();
    return (first == "-s" || first == "-S") ? StartMode::BackupRun : StartMode::Setup;
}

} // namespace talvek

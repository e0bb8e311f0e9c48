#include "app/logic/StartMode.h"

#include <vector>

#include "platform/CommandLine.h"

namespace talvek {

StartMode chooseStartMode(const std::string& commandLine) {
    std::vector<std::string> args = splitCommandLine(commandLine);
    const std::string first = args.size() > 1 ? args[1] : std::string();
    if (first != "-s" && first != "-S") return StartMode::Setup;
    return args.size() > 2 && args[2] == "jetzt" ? StartMode::BackupNow : StartMode::BackupRun;
}

} // namespace talvek

// Fuzz target: splitting the process command line and choosing the start mode.
#include <cstdint>

#include "app/logic/StartMode.h"
#include "fuzz/FuzzSupport.h"
#include "platform/CommandLine.h"

using namespace talvek;
using talvek::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> args = splitCommandLine(line);

    // Every argument quoted and joined by blanks splits back into the same arguments.
    std::string joined;
    for (const std::string& arg : args) {
        require(arg.find('"') == std::string::npos && arg.find('\0') == std::string::npos,
                "a quote or NUL kept in " + arg);
        joined += "\"" + arg + "\" ";
    }
    require(splitCommandLine(joined) == args, "quoted arguments split differently: " + line);

    bool backup = args.size() > 1 && (args[1] == "-s" || args[1] == "-S");
    require((chooseStartMode(line) != StartMode::Setup) == backup, "start mode of " + line);
    return 0;
}

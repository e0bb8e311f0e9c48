#include "platform/CommandLine.h"

namespace talvek {

namespace {
bool isSeparator(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}
} // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = commandLine.size();
    for (;;) {
        while (i < n && isSeparator(commandLine[i]))
            ++i;
        if (i >= n || commandLine[i] == '\0') break;
        std::string arg;
        bool quoted = false;
        for (; i < n && commandLine[i] != '\0'; ++i) {
            char c = commandLine[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && isSeparator(c)) {
                break;
            } else {
                arg += c;
            }
        }
        args.push_back(arg);
    }
    return args;
}

const char* argumentsAfterProgramName(const char* commandLine) {
    const char* p = commandLine;
    while (isSeparator(*p))
        ++p;
    for (bool quoted = false; *p && (quoted || !isSeparator(*p)); ++p)
        if (*p == '"') quoted = !quoted;
    while (isSeparator(*p))
        ++p;
    return p;
}

std::string commandLineArgument(const std::string& text) {
    return text.find(' ') == std::string::npos ? text : "\"" + text + "\"";
}

} // namespace talvek

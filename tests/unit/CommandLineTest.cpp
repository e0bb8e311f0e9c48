#include <gtest/gtest.h>

#include "app/logic/StartMode.h"
#include "platform/CommandLine.h"

using namespace talvek;

namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> args;
    const char* afterProgramName;
};

TEST(CommandLine, SplitsLikeThePlatform) {
    const SplitCase cases[] = {
        {"", {}, ""},
        {"talvek.exe", {"talvek.exe"}, ""},
        {"talvek.exe -s", {"talvek.exe", "-s"}, "-s"},
        {"  talvek.exe \t  -s   x ", {"talvek.exe", "-s", "x"}, "-s   x "},
        {"talvek.exe \"-S\"", {"talvek.exe", "-S"}, "\"-S\""},
        {"\"C:\\Program Files\\talvek.exe\" -s", {"C:\\Program Files\\talvek.exe", "-s"}, "-s"},
        {"a b\"c d\"e", {"a", "bc de"}, "b\"c d\"e"},
        {"a \"\"", {"a", ""}, "\"\""},
        {"a \"unterminated quote", {"a", "unterminated quote"}, "\"unterminated quote"},
        {"\"un terminated", {"un terminated"}, ""},
        {"a\x01-s\x1f"
         "b",
         {"a", "-s", "b"},
         "-s\x1f"
         "b"},
        {"a \xE4ndern", {"a", "\xE4ndern"}, "\xE4ndern"},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(splitCommandLine(c.line), c.args) << c.line;
        EXPECT_STREQ(argumentsAfterProgramName(c.line), c.afterProgramName) << c.line;
    }
}

TEST(CommandLine, OnlyAnExactFirstArgumentStartsABackupRun) {
    const std::pair<const char*, StartMode> cases[] = {
        {"talvek.exe -s", StartMode::BackupRun},
        {"talvek.exe -S", StartMode::BackupRun},
        {"talvek.exe \"-S\"", StartMode::BackupRun},
        {"talvek.exe    -s more args", StartMode::BackupRun},
        {"talvek.exe -s jetzt", StartMode::BackupNow},
        {"talvek.exe -s Jetzt", StartMode::BackupRun},
        {"talvek.exe", StartMode::Setup},
        {"talvek.exe -x -s", StartMode::Setup},
        {"talvek.exe /s", StartMode::Setup},
        {"talvek.exe -s2", StartMode::Setup},
        {"talvek.exe \"-s \"", StartMode::Setup},
        {"talvek.exe s", StartMode::Setup},
        {"", StartMode::Setup},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseStartMode(c.first), c.second) << c.first;
}

} // namespace

// Shared set-up for the tests of the backup steps: a run context over in-memory fakes, on
// 6 December 1997 with the configuration file in C:\WINDOWS.
#pragma once
#include <gtest/gtest.h>

#include "backup/Steps.h"
#include "config/Keys.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeProgressView.h"

namespace talvek::testing {

struct StepTest : ::testing::Test {
    static constexpr const char* kIni = "C:\\WINDOWS\\Talvek95.ini";
    FakeClock clock;
    FakeFileSystem files;
    FakeProfile profile;
    FakeProgressView view{&clock};
    RunContext run{view, RunPlatform{files, profile, clock}};

    StepTest() {
        files.addFile(kIni, "");
        run.ini = std::make_unique<TIniFile>(profile, kIni);
        run.windowsDirectory = "C:\\WINDOWS";
        run.backupDirectory = "C:\\Talvek95";
    }
    void set(const std::string& section, const std::string& key, const std::string& value) {
        profile.write(kIni, section, key, value);
    }
    std::string get(const std::string& section, const std::string& key) {
        return profile.read(kIni, section, key, "<none>", 1024);
    }
    void load(const std::string& text) { profile.load(kIni, text); }
    std::string ini() const { return profile.text(kIni); }
};

} // namespace talvek::testing

// The setup logic wired to in-memory controls and platform fakes, on 06.12.1997.
#pragma once
#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSetupPlatform.h"
#include "fakes/FakeSetupView.h"
#include "ui/setup/logic/SetupLogic.h"

namespace talvek::testing {

inline const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";

struct SetupFixture : ::testing::Test {
    FakeProfile profile;
    FakeRegistry registry;
    FakeQuestions questions;
    FakeFileOpenDialog openDialog;
    FakeFolderChooser folders;
    FakeSystemInfo system;
    FakeFileSystem files; // a small Windows 95 system: its ten system files
    FakeClock clock;
    FakeSetupView view;
    SetupLogic logic{view, platform()};

    SetupFixture() {
        view.logic = &logic;
        registry.addKey(setup::kRunKey);
        for (const std::string& path : setup::systemFiles(files.windowsDir))
            files.addFile(path);
    }
    SetupPlatform platform() {
        return SetupPlatform{profile, registry, questions, openDialog,
                             folders, system,   files,     clock};
    }
    // A configuration that has been applied before, so no first-run question comes.
    void loadApplied(const std::string& extra = "") {
        profile.load(kIni, "[Einstellungen]\nfirstrun=1\n" + extra);
        EXPECT_TRUE(logic.load().ok());
    }
    std::string ini(const std::string& section, const std::string& key) {
        return profile.read(kIni, section, key, "<missing>", 1024);
    }
    std::string runValue() { return registry.value(setup::kRunKey, "Talvek95"); }
};

} // namespace talvek::testing

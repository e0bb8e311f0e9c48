// Shared set-up for the tests of the backup steps: a run context over in-memory fakes, on
// 6 December 1997 with the configuration file in C:\WINDOWS.
#pragma once
#include <gtest/gtest.h>

#include "backup/Steps.h"
#include "config/Keys.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocks.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeProgressView.h"

namespace talvek::testing {

struct StepTest : ::testing::Test {
    static constexpr const char* kIni = "C:\\WINDOWS\\Talvek95.ini";
    FakeClock clock;
    FakeFileSystem files;
    FakeProfile profile;
    FakeLocks locks;
    FakeProgressView view{&clock};
    RunContext run{view, RunPlatform{files, profile, clock, locks}};

    StepTest() {
        files.addFile(kIni, "");
        run.ini = std::make_unique<TIniFile>(profile, kIni);
        run.windowsDirectory = "C:\\WINDOWS";
        run.backupDirectory = "C:\\Talvek95";
        run.settings = readSettings(*run.ini);
    }
    // The run reads its settings once, in step 1: a test that changes them reads them anew.
    void set(const std::string& section, const std::string& key, const std::string& value) {
        profile.write(kIni, section, key, value);
        rereadSettings();
    }
    void rereadSettings() {
        if (run.ini) run.settings = readSettings(*run.ini);
    }
    std::string get(const std::string& section, const std::string& key) {
        return profile.read(kIni, section, key, "<none>", 1024);
    }
    void load(const std::string& text) {
        profile.load(kIni, text);
        rereadSettings();
    }
    std::string ini() const { return profile.text(kIni); }
    // A record set as a run leaves it: directory, copies, protocol, batch and section.
    void addRecordSet(const std::string& date, const std::vector<std::string>& saved) {
        std::string dir =
            "C:\\Talvek95\\" + date.substr(0, 2) + date.substr(3, 2) + date.substr(6, 2);
        files.addDirectory(dir);
        set(date, "Directory", dir);
        set(date, "Datum", date);
        for (std::size_t i = 0; i < saved.size(); ++i) {
            files.addFile(dir + "\\" + saved[i].substr(saved[i].rfind('\\') + 1), "copy", 0);
            set(date, "Datei" + std::to_string(i + 1), saved[i]);
        }
        files.addFile(dir + "\\PROTOCOL.TXT");
        files.addFile(dir + "\\RECOVERY.BAT");
        set(date, "LogFile", "PROTOCOL.TXT");
        set(date, "RecFile", "RECOVERY.BAT");
        registered.push_back(date);
        profile.removeSection(kIni, "Datens\xE4tze");
        for (std::size_t i = 0; i < registered.size(); ++i)
            set("Datens\xE4tze", std::to_string(i), registered[i]);
    }

    std::vector<std::string> registered;
};

} // namespace talvek::testing

// The restore from Windows and its undo, whole or cut short by a reset.
#include <gtest/gtest.h>

#include <cstring>

#include "backup/BackupRun.h"
#include "backup/Crc32.h"
#include "backup/Replacement.h"
#include "backup/Restore.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeLocks.h"
#include "fakes/FakeProgressView.h"
#include "fakes/RunInvariants.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
const std::string kSet = "C:\\Sicherung Talvek\\051297";
using File = std::pair<std::string, std::uint32_t>; // content and attributes
using Files = std::map<std::string, File>;
// Changed, missing, with a damaged copy, held open, read-only: as it is now, and its copy.
const std::pair<const char*, std::pair<File, File>> kOriginals[] = {
    {"C:\\WINDOWS\\WIN.INI", {{"[windows]\r\nload=virus.exe", 32}, {"[windows]", 32}}},
    {"C:\\CONFIG.SYS", {{"", attr::kInvalid}, {"FILES=40", 32}}},
    {"C:\\AUTOEXEC.BAT", {{"@ECHO OFF", 32}, {"@ECHO OFF", 32}}},
    {"C:\\WINDOWS\\SYSTEM.DAT", {{"registry now", 2}, {"registry then", 2}}},
    {"C:\\MSDOS.SYS", {{"[Options]\r\nBootGUI=0", 1}, {"[Options]", 7}}},
};

struct Scene {
    FakeFileSystem files;
    FakeProfile profile;
    FakeClock clock;
    FakeLocks locks;
    Scene() {
        std::string ini = "[Einstellungen]\nRecovery Directory=C:\\Sicherung Talvek\nAlleXTage=1\n"
                          "Sekunden warten=0\n[Aktueller Datensatz]\nDatum=05.12.97\n"
                          "[Datens\xE4tze]\n0=05.12.97\n[Recovery Files]\n",
                    set = "[05.12.97]\nDirectory=" + kSet + "\nRecFile=RECOVERY.BAT\n";
        for (std::size_t i = 0; i < std::size(kOriginals); ++i) {
            const auto& [path, files_] = kOriginals[i];
            const auto& [now, saved] = files_;
            const std::string n = std::to_string(i + 1), name = std::strrchr(path, '\\');
            ini += std::to_string(i) + "=" + path + "\n";
            if (now.second != attr::kInvalid) files.addFile(path, now.first, now.second);
            files.addFile(kSet + name, i == 2 ? "@ECHO OFX" : saved.first, 0); // damaged
            set += "Datei" + n + "=" + path + "\nCRC" + n + "=" + crcText(crc32(saved.first)) +
                   "\nAttr" + n + "=" + std::to_string(saved.second) + "\n";
        }
        files.addFile(kSet + "\\RECOVERY.BAT");
        files.shortNames["c:\\sicherung talvek\\051297\\recovery.bat"] = "C:\\SICHER~1\\051297";
        files.heldOpen.insert("c:\\windows\\system.dat");
        profile.load(kIni, ini + set);
    }
    // The originals, and whatever a restore might leave beside them.
    Files outside() const {
        Files all = files.allFiles();
        all.erase("c:\\windows\\talvek95.log");
        for (auto it = all.begin(); it != all.end();)
            it = it->first.rfind("c:\\sicherung talvek\\", 0) == 0 ? all.erase(it) : std::next(it);
        return all;
    }
    std::vector<std::string> restore(bool undo = false) {
        TIniFile ini(profile, kIni);
        Restore r{files, ini, "C:\\WINDOWS", clock.now(), {}, {}};
        AppError error = undo ? undoRestore(r) : restoreCopies(r, readRecordSet(ini, "05.12.97"));
        if (error) r.report.push_back(error.text());
        return r.report;
    }
    // Each original that is neither as it was nor as its copy.
    std::vector<std::string> halfRestored(const Files& before) const {
        std::vector<std::string> out;
        Files now = outside();
        for (const auto& [path, files_] : kOriginals) {
            const std::string key = FakeFileSystem::key(path);
            if (now.count(key) ? now[key] != files_.second &&
                                     (!before.count(key) || now[key] != before.at(key))
                               : before.count(key) > 0)
                out.push_back(path);
        }
        return out;
    }
};

// Uncut, then cut after each call in turn: the next start's backup run keeps its record set,
// the page finishes what was cut, every original is whole and the undo brings it back.
TEST(Restore, EveryOriginalEndsAsItWasOrAsItsCopyAndTheUndoBringsBackTheStateBefore) {
    const std::string
        damaged = "Die Kopie " + kSet +
                  "\\AUTOEXEC.BAT ist beschädigt: Die Datei C:\\AUTOEXEC.BAT bleibt, wie sie ist.",
        held = "Die Datei C:\\WINDOWS\\SYSTEM.DAT ist in Benutzung und kann nur unter MS-DOS "
               "zurückgeschrieben werden: "
               "Starten Sie den Computer mit \"Nur Eingabeaufforderung\" und rufen Sie "
               "C:\\SICHER~1\\051297 auf.";
    for (bool cutUndo : {false, true}) {
        int calls = 0;
        for (int k = 0; k == 0 || k <= calls; ++k) {
            Scene scene;
            const Files before = scene.outside();
            FaultPlan plan;
            plan.cutAfter = k;
            if (cutUndo) scene.restore();
            scene.files.faults = scene.profile.faults = &plan;
            const std::vector<std::string> report = scene.restore(cutUndo);
            scene.files.faults = scene.profile.faults = nullptr;
            if (k == 0) {
                calls = plan.calls;
                Files expected = before;
                for (std::size_t i : {0, 1, 4})
                    expected[FakeFileSystem::key(kOriginals[i].first)] =
                        kOriginals[i].second.second;
                EXPECT_EQ(report.size(), cutUndo ? 3u : 5u);
                EXPECT_EQ(report[cutUndo ? 1 : 2],
                          cutUndo ? "Die Datei C:\\CONFIG.SYS wurde wieder gelöscht." : damaged);
                EXPECT_TRUE(cutUndo ||
                            (report[3] == held &&
                             report[4] == "Die Datei C:\\MSDOS.SYS wurde wiederhergestellt."));
                EXPECT_EQ(scene.outside(), cutUndo ? before : expected);
                EXPECT_NE(
                    scene.files.content("C:\\WINDOWS\\Talvek95.log")
                        .find(" Wiederherstellung aus dem Datensatz vom 05.12.97\r\n" + damaged),
                    std::string::npos);
                continue;
            }
            SCOPED_TRACE(std::to_string(cutUndo) + " cut after " + plan.names[k - 1u]);
            FakeProgressView view(&scene.clock);
            EXPECT_TRUE(
                BackupRun(view, RunPlatform{scene.files, scene.profile, scene.clock, scene.locks})
                    .run()
                    .ok());
            EXPECT_EQ(RunInvariants::afterRestart(scene.files, scene.profile, kIni, "", ""),
                      std::vector<std::string>{"registered copy lost or damaged: " + kSet +
                                               "\\AUTOEXEC.BAT"});
            TIniFile ini(scene.profile, kIni);
            finishCutReplacement(scene.files, ini);
            EXPECT_EQ(scene.halfRestored(before), std::vector<std::string>{});
            scene.restore(true);
            EXPECT_EQ(scene.outside(), before) << "nothing of ours is left beside the originals";
        }
    }
}

} // namespace

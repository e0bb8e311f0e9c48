// The restore from Windows and its undo, whole or cut short by a reset.
#include <gtest/gtest.h>

#include <cstring>

#include "backup/BackupRun.h"
#include "backup/Crc32.h"
#include "backup/Replacement.h"
#include "backup/Restore.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeLocks.h"
#include "fakes/FileProfile.h"
#include "fakes/FakeProgressView.h"
#include "fakes/RunInvariants.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
const std::string kSet = "C:\\Sicherung Talvek\\051297", kUndo = "C:\\Sicherung Talvek\\VORHER";
using File = std::pair<std::string, std::uint32_t>; // content and attributes
using Files = std::map<std::string, File>;
// Changed, missing, with a damaged copy, held open, read-only, missing with its folders, in a
// folder a file's name takes, and of a name listed before: as it is now, and its copy.
const std::pair<const char*, std::pair<File, File>> kOriginals[] = {
    {"C:\\WINDOWS\\WIN.INI", {{"[windows]\r\nload=virus.exe", 32}, {"[windows]", 32}}},
    {"C:\\CONFIG.SYS", {{"", attr::kInvalid}, {"FILES=40", 32}}},
    {"C:\\AUTOEXEC.BAT", {{"@ECHO OFF", 32}, {"@ECHO OFF", 32}}},
    {"C:\\WINDOWS\\SYSTEM.DAT", {{"registry now", 2}, {"registry then", 2}}},
    {"C:\\MSDOS.SYS", {{"[Options]\r\nBootGUI=0", 1}, {"[Options]", 7}}},
    {"C:\\PROGRA~1\\TALVEK\\NEU.INI", {{"", attr::kInvalid}, {"[neu]", 32}}},
    {"C:\\AUTOEXEC.BAT\\X.INI", {{"", attr::kInvalid}, {"[x]", 32}}},
    {"C:\\DOS\\WIN.INI", {{"[dos] now", 32}, {"[dos]", 32}}},
};
const std::string kPlanted = "[windows]\r\nload=C:\\EVIL\\EVIL.EXE";

enum class Step { RestoreWinIni, RestoreAll, Undo };

struct Scene {
    FakeFileSystem files;
    FileProfile profile{files};
    FakeClock clock;
    FakeLocks locks;
    bool windowsMe = false;
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
            const std::string place = i == 7 ? "DATEI8" + name : name.substr(1);
            files.addFile(kSet + "\\" + place, i == 2 ? "@ECHO OFX" : saved.first, 0); // damaged
            set += "Datei" + n + "=" + path + "\nCRC" + n + "=" + crcText(crc32(saved.first)) +
                   "\nAttr" + n + "=" + std::to_string(saved.second) + "\n";
            if (i == 7) set += "Kopie8=" + place + "\n";
        }
        files.addFile(kSet + "\\RECOVERY.BAT");
        files.shortNames["c:\\sicherung talvek\\051297\\recovery.bat"] = "C:\\SICHER~1\\051297";
        files.heldOpen.insert("c:\\windows\\system.dat");
        files.openFilesMove = true; // as on Windows 95: only its name keeps it from harm
        // A file of the user's own in the undo directory, and a hand-made undo section that
        // names a planted file elsewhere and a file of the user's as one a restore made.
        files.addFile(kUndo + "\\MEINE.DOC", "Brief", attr::kReadOnly);
        files.addFile("C:\\EVIL\\WIN.INI", kPlanted);
        files.addFile("C:\\DATEN\\BRIEF.TXT", "Lieber");
        profile.load(
            kIni, ini + set + "[Vorher]\nDirectory=C:\\EVIL\nDatei1=C:\\windows\\win.ini\nCRC1=" +
                      crcText(crc32(kPlanted)) + "\nDatei2=C:\\DATEN\\BRIEF.TXT\nNeu2=1\n");
    }
    // Every file but the program's own: the configuration, the journal, the record sets (the
    // one restored from and one a run makes meanwhile) and the saved originals the undo
    // section names.
    Files outside() {
        Files all = files.allFiles();
        for (const std::string& own : {std::string(kIni), ConfigurationStore::newFileFor(kIni),
                                       std::string("C:\\WINDOWS\\Talvek95.log")})
            all.erase(FakeFileSystem::key(own));
        const std::string sets = FakeFileSystem::key(kSet).substr(0, kSet.size() - 6);
        for (auto it = all.begin(); it != all.end();)
            it = it->first.rfind(sets, 0) == 0 &&
                         it->first.find('\\', sets.size()) == sets.size() + 6
                     ? all.erase(it)
                     : std::next(it);
        TIniFile ini(profile, kIni);
        const UndoList undo = readUndo(ini);
        for (const UndoEntry& entry : undo.entries)
            if (!entry.isNew) all.erase(FakeFileSystem::key(undo.savedPath(entry)));
        return all;
    }
    std::vector<std::string> run(Step step) {
        TIniFile ini(profile, kIni);
        Restore r{files, ini, "C:\\WINDOWS", clock.now(), {}, {}};
        r.windowsMe = windowsMe;
        RecordSet set = readRecordSet(ini, "05.12.97");
        if (step == Step::RestoreWinIni) set.copies.resize(1);
        AppError error = step == Step::Undo ? undoRestore(r) : restoreCopies(r, set);
        if (error) r.report.push_back(error.text());
        return r.report;
    }
    // The files outside, each original that is as its copy taken as it was.
    Files outsideUndone(const Files& before) {
        Files now = outside();
        for (const auto& [path, files_] : kOriginals) {
            const std::string key = FakeFileSystem::key(path);
            if (!now.count(key) || now[key] != files_.second) continue;
            now.erase(key);
            if (before.count(key)) now[key] = before.at(key);
        }
        return now;
    }
};

// Uncut, then cut after each call in turn: the next start's backup run keeps its record set,
// the page finishes what was cut, every original is whole, nothing but the program's own
// files changed, and the undo brings back the state before the first restore.
TEST(Restore, EveryOriginalEndsAsItWasOrAsItsCopyAndTheUndoBringsBackTheStateBefore) {
    const std::string file = "Die Datei C:\\", restored = " wurde wiederhergestellt.",
                      asBefore = " ist wieder wie vor der Wiederherstellung.",
                      deleted = " wurde wieder gelöscht.", stays = " bleibt, wie sie ist.",
                      changed = " wurde nach der Wiederherstellung geändert und" + stays,
                      damaged = "Die Kopie " + kSet +
                                "\\AUTOEXEC.BAT ist beschädigt: Die Datei C:\\AUTOEXEC.BAT "
                                "bleibt, wie sie ist.";
    const std::vector<std::string> restoredAll = {
        file + "WINDOWS\\WIN.INI" + restored,
        file + "CONFIG.SYS" + restored,
        damaged,
        file + "WINDOWS\\SYSTEM.DAT ist in Benutzung und kann nur unter MS-DOS "
               "zurückgeschrieben werden: Starten Sie den Computer mit \"Nur "
               "Eingabeaufforderung\" und rufen Sie C:\\SICHER~1\\051297 auf.",
        file + "MSDOS.SYS" + restored,
        file + "PROGRA~1\\TALVEK\\NEU.INI" + restored,
        "Das Verzeichnis C:\\AUTOEXEC.BAT konnte nicht erstellt werden; die Datei "
        "C:\\AUTOEXEC.BAT\\X.INI bleibt, wie sie ist.",
        file + "DOS\\WIN.INI" + restored};
    const struct {
        std::vector<Step> first; // uncut
        Step cut;
        std::vector<std::string> report; // uncut
    } modes[] = {
        {{},
         Step::Undo,
         {file + "windows\\win.ini" + changed, file + "DATEN\\BRIEF.TXT" + changed}},
        {{}, Step::RestoreAll, restoredAll},
        {{Step::RestoreWinIni}, Step::RestoreAll, restoredAll},
        // Both restores are undone: WIN.INI comes back as it was before the first.
        {{Step::RestoreWinIni, Step::RestoreAll},
         Step::Undo,
         {file + "DATEN\\BRIEF.TXT" + changed, file + "WINDOWS\\WIN.INI" + asBefore,
          file + "CONFIG.SYS" + deleted, file + "MSDOS.SYS" + asBefore,
          file + "PROGRA~1\\TALVEK\\NEU.INI" + deleted, file + "DOS\\WIN.INI" + asBefore}},
    };
    for (const auto& mode : modes) {
        std::vector<std::string> calls;
        for (int k = 0; k == 0 || k <= static_cast<int>(calls.size()); ++k) {
            // Each cut also with the write it falls into left half written, as a reset leaves it.
            const bool beforeWrite = k > 0 && k < static_cast<int>(calls.size()) &&
                                     calls[static_cast<std::size_t>(k)].rfind("write", 0) == 0;
            for (int torn : beforeWrite ? std::vector<int>{-1, 50} : std::vector<int>{-1}) {
                Scene scene;
                const Files before = scene.outside();
                for (Step step : mode.first)
                    scene.run(step);
                FaultPlan plan;
                plan.cutAfter = k;
                plan.tornPercent = torn;
                scene.files.faults = &plan;
                const std::vector<std::string> report = scene.run(mode.cut);
                scene.files.faults = nullptr;
                if (k == 0) {
                    calls = plan.names;
                    Files expected = before;
                    if (mode.cut != Step::Undo)
                        for (std::size_t i : {0, 1, 4, 5, 7})
                            expected[FakeFileSystem::key(kOriginals[i].first)] =
                                kOriginals[i].second.second;
                    EXPECT_EQ(report, mode.report);
                    EXPECT_EQ(scene.outside(), expected);
                    EXPECT_TRUE(
                        mode.cut == Step::Undo ||
                        scene.files.content("C:\\WINDOWS\\Talvek95.log")
                                .find(" Wiederherstellung aus dem Datensatz vom 05.12.97\r\n" +
                                      damaged) != std::string::npos);
                    continue;
                }
                SCOPED_TRACE(std::to_string(mode.first.size()) + " then cut after " +
                             plan.names[k - 1u] + (torn < 0 ? "" : ", the next write torn"));
                FakeProgressView view(&scene.clock);
                EXPECT_TRUE(BackupRun(view, RunPlatform{scene.files, scene.profile, scene.clock,
                                                        scene.locks})
                                .run()
                                .ok());
                EXPECT_EQ(RunInvariants::afterRestart(scene.files, scene.profile, kIni, "", ""),
                          std::vector<std::string>{"registered copy lost or damaged: " + kSet +
                                                   "\\AUTOEXEC.BAT"});
                TIniFile ini(scene.profile, kIni);
                finishCutRestore(scene.files, ini);
                EXPECT_EQ(scene.outsideUndone(before), before);
                scene.run(Step::Undo);
                EXPECT_EQ(scene.outside(), before)
                    << "nothing of ours is left beside the originals";
            }
        }
    }
}

// A copy's place edited by hand names no copy of the set, even one whose checksum matches:
// nothing is written back from it.
TEST(Restore, ACopyPlacedOutsideTheSetIsNeverWrittenBack) {
    for (const char* place : {"..\\..\\EVIL\\WIN.INI", "DATEI9\\WIN.INI", "C:\\EVIL\\WIN.INI"}) {
        Scene scene;
        scene.files.addFile(kSet + "\\DATEI9\\WIN.INI", kPlanted);
        scene.profile.write(kIni, "05.12.97", "Kopie1", place);
        scene.profile.write(kIni, "05.12.97", "CRC1", crcText(crc32(kPlanted)));
        const Files before = scene.outside();
        EXPECT_EQ(scene.run(Step::RestoreWinIni),
                  std::vector<std::string>{"Die Kopie  fehlt: Die Datei C:\\WINDOWS\\WIN.INI "
                                           "bleibt, wie sie ist."});
        EXPECT_EQ(scene.outside(), before) << place;
    }
}

// Windows Me cannot start into MS-DOS from the disk: the way back names the startup disk.
TEST(Restore, OnWindowsMeTheRegistryIsWrittenBackFromTheStartupDisk) {
    Scene scene;
    scene.windowsMe = true;
    const std::vector<std::string> report = scene.run(Step::RestoreAll);
    ASSERT_GT(report.size(), 3u);
    EXPECT_EQ(report[3], "Die Datei C:\\WINDOWS\\SYSTEM.DAT ist in Benutzung und kann nur unter "
                         "MS-DOS zurückgeschrieben werden: Starten Sie den Computer mit der "
                         "Startdiskette und rufen Sie C:\\SICHER~1\\051297 auf.");
}

} // namespace

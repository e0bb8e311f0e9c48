// The restore from Windows and its undo: every original ends either as it was or as its copy,
// the undo brings back what was there before, and neither a reset nor a backup run in
// between changes that.
#include <gtest/gtest.h>

#include "backup/BackupRun.h"
#include "backup/Crc32.h"
#include "backup/Replacement.h"
#include "backup/Restore.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeProgressView.h"
#include "fakes/RunInvariants.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
const char* const kJournal = "05.12.97 07:00 ohne Fehler\r\n\r\n";
const std::string kSet = "C:\\Sicherung Talvek\\051297";
const std::uint32_t kRhs = attr::kReadOnly | attr::kHidden | attr::kSystem;

struct Original {
    const char* path;
    const char* now; // nullptr: missing
    std::uint32_t attributes;
    const char* saved; // the copy's content, and its recorded attributes
    std::uint32_t recorded;
};
// A changed file, a missing one, one whose copy is damaged, one Windows holds open, and a
// read-only one whose recorded attributes differ from those it has now.
const Original kOriginals[] = {
    {"C:\\WINDOWS\\WIN.INI", "[windows]\r\nload=virus.exe", attr::kArchive, "[windows]", 32},
    {"C:\\CONFIG.SYS", nullptr, 0, "FILES=40", 32},
    {"C:\\AUTOEXEC.BAT", "@ECHO OFF", attr::kArchive, "@ECHO OFF", 32},
    {"C:\\WINDOWS\\SYSTEM.DAT", "registry now", attr::kHidden, "registry then", 2},
    {"C:\\MSDOS.SYS", "[Options]\r\nBootGUI=0", attr::kReadOnly, "[Options]", 7},
};

using Files = std::map<std::string, std::pair<std::string, std::uint32_t>>;

RecordSet chosenOf(RecordSet set, const std::vector<std::size_t>& chosen) {
    std::vector<SavedCopy> copies;
    for (std::size_t at : chosen)
        copies.push_back(set.copies[at]);
    set.copies = copies;
    return set;
}

struct Scene {
    FakeFileSystem files;
    FakeProfile profile;
    FakeClock clock;

    Scene() {
        std::string text = "[Einstellungen]\nRecovery Directory=C:\\Sicherung Talvek\n"
                           "max. Anzahl der Datens\xE4tze=3\nAlleXTage=1\nSekunden warten=0\n"
                           "[Aktueller Datensatz]\nDatum=05.12.97\n[Recovery Files]\n";
        std::string section = "[05.12.97]\nDirectory=" + kSet + "\nDatum=05.12.97\n";
        for (std::size_t i = 0; i < std::size(kOriginals); ++i) {
            const Original& o = kOriginals[i];
            const std::string n = std::to_string(i + 1), name = FakeFileSystem::key(o.path);
            text += std::to_string(i) + "=" + o.path + "\n";
            if (o.now) files.addFile(o.path, o.now, o.attributes);
            files.addFile(kSet + name.substr(name.rfind('\\')), i == 2 ? "@ECHO OFX" : o.saved, 0);
            section += "Datei" + n + "=" + o.path + "\nCRC" + n + "=" + crcText(crc32(o.saved)) +
                       "\nAttr" + n + "=" + std::to_string(o.recorded) + "\n";
        }
        files.addFile(kSet + "\\PROTOCOL.TXT");
        files.addFile(kSet + "\\RECOVERY.BAT");
        files.shortNames["c:\\sicherung talvek\\051297\\recovery.bat"] =
            "C:\\SICHER~1\\051297\\RECOVERY.BAT";
        files.heldOpen.insert("c:\\windows\\system.dat");
        files.addFile(kIni, "");
        files.addFile("C:\\WINDOWS\\Talvek95.log", kJournal);
        profile.load(kIni, text + "[Datens\xE4tze]\n0=05.12.97\n" + section +
                               "LogFile=PROTOCOL.TXT\nRecFile=RECOVERY.BAT\n");
    }
    // Every file outside the backup directory but the journal: the originals, and whatever
    // a restore might leave beside them.
    Files outside() const {
        Files all = files.allFiles();
        for (auto it = all.begin(); it != all.end();)
            it = it->first.rfind("c:\\sicherung talvek\\", 0) == 0 ||
                         it->first == "c:\\windows\\talvek95.log"
                     ? all.erase(it)
                     : std::next(it);
        return all;
    }
    std::vector<std::string> restore(const std::vector<std::size_t>& chosen, bool undo = false) {
        TIniFile ini(profile, kIni);
        Restore r{files, ini, "C:\\WINDOWS", clock.now(), {}, {}};
        AppError error = undo ? undoRestore(r)
                              : restoreCopies(r, chosenOf(readRecordSet(ini, "05.12.97"), chosen));
        if (error) r.report.push_back(error.text());
        return r.report;
    }
    bool canUndo() {
        TIniFile ini(profile, kIni);
        return talvek::canUndo(ini);
    }
    // Each original as it was, or as its copy with the recorded attributes; once the page
    // has finished what was cut, nothing of ours beside them.
    std::vector<std::string> halfRestored(const Files& before, bool finished) const {
        std::vector<std::string> out;
        const Files now = outside();
        for (const Original& o : kOriginals) {
            const std::string key = FakeFileSystem::key(o.path);
            auto was = before.find(key), is = now.find(key);
            const bool same = (was == before.end()) == (is == now.end()) &&
                              (is == now.end() || is->second == was->second);
            const bool copied =
                is != now.end() && is->second.first == o.saved && is->second.second == o.recorded;
            // Between its two renames, a replacement has the new file waiting, complete.
            auto waiting = now.find(FakeFileSystem::parentOf(key) + "\\talvek95.neu");
            const bool cut =
                !finished && is == now.end() && waiting != now.end() &&
                (waiting->second.first == o.saved || (o.now && waiting->second.first == o.now));
            if (!same && !copied && !cut) out.push_back(o.path);
        }
        for (const auto& file : now)
            if (finished && !before.count(file.first) &&
                file.first.find("talvek95.") != std::string::npos)
                out.push_back("left beside the originals: " + file.first);
        return out;
    }
};

TEST(Restore, EachOriginalEndsAsItWasOrAsItsCopyAndTheUndoBringsBackTheStateBefore) {
    struct Row {
        std::size_t copy;
        const char* line;
        const char* undoLine; // nullptr: nothing was written back, nothing to undo
    };
    const Row rows[] = {
        {0, "Die Datei C:\\WINDOWS\\WIN.INI wurde wiederhergestellt.",
         "Die Datei C:\\WINDOWS\\WIN.INI ist wieder wie vor der Wiederherstellung."},
        {1, "Die Datei C:\\CONFIG.SYS wurde wiederhergestellt.",
         "Die Datei C:\\CONFIG.SYS wurde wieder gel\xF6scht."},
        {2,
         "Die Kopie C:\\Sicherung Talvek\\051297\\AUTOEXEC.BAT ist besch\xE4"
         "digt: Die Datei C:\\AUTOEXEC.BAT bleibt, wie sie ist.",
         nullptr},
        {3,
         "Die Datei C:\\WINDOWS\\SYSTEM.DAT ist in Benutzung und kann nur unter MS-DOS "
         "zur\xFC"
         "ckgeschrieben werden: Starten Sie den Computer mit \"Nur Eingabeaufforderung\" "
         "und rufen Sie C:\\SICHER~1\\051297\\RECOVERY.BAT auf.",
         nullptr},
        {4, "Die Datei C:\\MSDOS.SYS wurde wiederhergestellt.",
         "Die Datei C:\\MSDOS.SYS ist wieder wie vor der Wiederherstellung."},
    };
    for (const Row& row : rows) {
        const Original& o = kOriginals[row.copy];
        SCOPED_TRACE(o.path);
        Scene scene;
        const Files before = scene.outside();
        EXPECT_EQ(scene.restore({row.copy}), std::vector<std::string>{row.line});
        const Files after = scene.outside();
        auto is = after.find(FakeFileSystem::key(o.path));
        if (row.undoLine) {
            ASSERT_NE(is, after.end());
            EXPECT_EQ(is->second, std::make_pair(std::string(o.saved), o.recorded));
        } else {
            EXPECT_EQ(after, before);
        }
        EXPECT_EQ(scene.files.content("C:\\WINDOWS\\Talvek95.log"),
                  std::string(kJournal) +
                      "06.12.97 08:00 Wiederherstellung aus dem Datensatz vom 05.12.97\r\n" +
                      (row.undoLine ? "" : row.line + std::string("\r\n")) + "\r\n");
        EXPECT_EQ(scene.canUndo(), row.undoLine != nullptr);
        if (row.undoLine) {
            EXPECT_EQ(scene.restore({}, true), std::vector<std::string>{row.undoLine});
        }
        EXPECT_EQ(scene.outside(), before);
        EXPECT_FALSE(scene.canUndo());
        EXPECT_EQ(scene.files.children("C:\\Sicherung Talvek\\VORHER"), std::vector<std::string>{});
    }
}

// Cut after any platform call, a restore or its undo leaves every original whole; the backup
// run of the next Windows start keeps its record set and leaves the undo alone; the page,
// opened later, finishes what was cut, and the undo brings back the state before.
TEST(Restore, ARestoreOrUndoCutShortLeavesEveryOriginalWholeAndTheUndoPossible) {
    const std::vector<std::size_t> all = {0, 1, 2, 3, 4};
    for (bool cutUndo : {false, true}) {
        int calls = 0;
        for (int k = 0; k == 0 || k <= calls; ++k) {
            Scene scene;
            const Files before = scene.outside();
            FaultPlan plan;
            plan.cutAfter = k;
            if (cutUndo) scene.restore(all);
            scene.files.faults = &plan;
            scene.profile.faults = &plan;
            scene.restore(all, cutUndo);
            scene.files.faults = nullptr;
            scene.profile.faults = nullptr;
            if (k == 0) {
                calls = plan.calls; // the whole of it, uncut
                continue;
            }
            SCOPED_TRACE(std::string(cutUndo ? "undo" : "restore") + " cut after call " +
                         std::to_string(k) + ": " + plan.names[static_cast<std::size_t>(k) - 1]);
            EXPECT_EQ(scene.halfRestored(before, false), std::vector<std::string>{});

            FakeProgressView view(&scene.clock);
            ASSERT_TRUE(
                BackupRun(view, RunPlatform{scene.files, scene.profile, scene.clock}).run().ok());
            EXPECT_EQ(RunInvariants::afterRestart(scene.files, scene.profile, kIni, kJournal, ""),
                      std::vector<std::string>{"registered copy lost or damaged: " + kSet +
                                               "\\AUTOEXEC.BAT"})
                << "the damaged copy is the only one";
            {
                TIniFile ini(scene.profile, kIni);
                finishCutReplacement(scene.files, ini);
            }
            EXPECT_EQ(scene.halfRestored(before, true), std::vector<std::string>{});
            scene.restore({}, true);
            EXPECT_EQ(scene.outside(), before);
        }
        EXPECT_GT(calls, 40);
    }
}

} // namespace

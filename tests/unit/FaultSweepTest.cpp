// A due run with rotation, repeated with each platform call failing in turn: whatever fails,
// no backup is lost silently, nothing outside the record sets is deleted and no listed file
// changes. And repeated stopped dead after each call in turn: the next starts finish it.
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/BackupRun.h"
#include "config/IniFile.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocks.h"
#include "fakes/FileProfile.h"
#include "fakes/FakeProgressView.h"
#include "fakes/RunInvariants.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
const char* const kSources[] = {
    "C:\\AUTOEXEC.BAT",        "C:\\CONFIG.SYS",
    "C:\\MSDOS.SYS",           "C:\\IO.SYS",
    "C:\\COMMAND.COM",         "C:\\WINDOWS\\WIN.INI",
    "C:\\WINDOWS\\SYSTEM.INI", "C:\\WINDOWS\\CONTROL.INI",
    "C:\\WINDOWS\\SYSTEM.DAT", "C:\\WINDOWS\\USER.DAT",
    "C:\\ALT\\USER.DAT",
};

struct Outcome {
    std::map<std::string, std::pair<std::string, std::uint32_t>> after;
    std::vector<std::string> violations;
    std::string ini;
    bool errorShown = false;
    std::vector<std::string> callNames;
};

const char* const kJournal = "05.12.97 07:00 ohne Fehler\r\n\r\n";

// Four registered record sets, a maximum of 3, eleven listed files, due on 06.12.97.
void prepareRotation(FakeFileSystem& files, FileProfile& profile) {
    std::string text = "[Einstellungen]\nmax. Anzahl der Datens\xE4tze=3\n"
                       "Recovery Directory=C:\\Talvek95\nSekunden warten=0\n"
                       "[Aktueller Datensatz]\nDatum=05.12.97\n[Recovery Files]\n";
    for (std::size_t i = 0; i < std::size(kSources); ++i) {
        text += std::to_string(i) + "=" + kSources[i] + "\n";
        files.addFile(kSources[i], "content of " + std::string(kSources[i]),
                      i == 2 ? attr::kReadOnly | attr::kSystem | attr::kHidden : attr::kArchive);
    }
    text += "[Datens\xE4tze]\n0=02.12.97\n1=03.12.97\n2=04.12.97\n3=05.12.97\n";
    for (const char* day : {"02", "03", "04", "05"}) {
        std::string date = std::string(day) + ".12.97",
                    dir = std::string("C:\\Talvek95\\") + day + "1297";
        text += "[" + date + "]\nDirectory=" + dir + "\nDatum=" + date +
                "\nDatei1=C:\\AUTOEXEC.BAT\nDatei2=C:\\CONFIG.SYS\nDatei3=C:\\ALT\\CONFIG.SYS\n"
                "Kopie3=DATEI3\\CONFIG.SYS\nLogFile=PROTOCOL.TXT\nRecFile=RECOVERY.BAT\n";
        for (const char* name : {"AUTOEXEC.BAT", "CONFIG.SYS", "PROTOCOL.TXT", "RECOVERY.BAT"})
            files.addFile(dir + "\\" + name, "old", 0);
        files.addFile(dir + "\\DATEI3\\CONFIG.SYS", "old", 0);
    }
    files.addFile(kIni, "");
    files.addFile("C:\\Talvek95\\NOTIZ.TXT", "the user's own file beside the record sets");
    files.addFile("C:\\WINDOWS\\Talvek95.log", kJournal);
    profile.load(kIni, text);
}

Outcome dueRunWithRotation(int failAt) {
    FakeClock clock;
    FakeFileSystem files;
    FileProfile profile(files);
    FaultPlan plan;
    prepareRotation(files, profile);

    Outcome outcome;
    RunInvariants invariants(files, profile, kIni, Date{1997, 12, 6});
    plan.failAt = failAt;
    files.faults = &plan;
    FakeLocks locks;
    FakeProgressView view(&clock);
    BackupRun engine(view, RunPlatform{files, profile, clock, locks});
    AppError error = engine.run();
    files.faults = nullptr;
    // The progress window shows a returned error in its error box.
    if (error) view.showMessageBox(error.text(), "Talvek 95");
    outcome.after = files.allFiles();
    // The journal says how the run went, so it differs whenever the run went otherwise.
    outcome.after.erase("c:\\windows\\talvek95.log");
    outcome.violations = invariants.violations(files, profile, view);
    outcome.ini = profile.text(kIni);
    outcome.errorShown = !view.boxes.empty();
    outcome.callNames = plan.names;
    return outcome;
}

TEST(FaultSweep, NoFailingPlatformCallLosesABackupSilently) {
    const Outcome clean = dueRunWithRotation(0);
    ASSERT_FALSE(clean.errorShown);
    ASSERT_GT(clean.callNames.size(), 30u);
    ASSERT_EQ(clean.after.count("c:\\talvek95\\021297\\autoexec.bat"), 0u) << "one set rotated";
    ASSERT_EQ(clean.after.count("c:\\talvek95\\061297\\user.dat"), 1u);

    ::testing::Test::RecordProperty("calls", static_cast<int>(clean.callNames.size()));
    for (std::size_t k = 1; k <= clean.callNames.size(); ++k) {
        const Outcome run = dueRunWithRotation(static_cast<int>(k));
        const std::string call = run.callNames.size() >= k ? run.callNames[k - 1] : "?";
        SCOPED_TRACE("call " + std::to_string(k) + " failing: " + call);
        EXPECT_EQ(run.violations, std::vector<std::string>{});
        // Reads through the profile functions cannot be told from a missing key or section:
        // they give the default, as a missing key would. Every other failure that changes
        // what the run leaves behind must show the run's error.
        const bool exemptRead = call.rfind("read", 0) == 0;
        if (!run.errorShown && !exemptRead) {
            EXPECT_EQ(run.after, clean.after) << "work lost without an error";
            EXPECT_EQ(run.ini, clean.ini) << "bookkeeping differs without an error";
        }
    }
}

// Runs talvek -s on a day, with the platform shared with `plan` when one is given.
void startOn(FakeFileSystem& files, FileProfile& profile, int day, FaultPlan* plan) {
    FakeClock clock;
    clock.setDate(1997, 12, day);
    files.faults = plan;
    FakeLocks locks;
    FakeProgressView view(&clock);
    BackupRun engine(view, RunPlatform{files, profile, clock, locks});
    (void)engine.run();
    files.faults = nullptr;
}

// Prepares the scenario and runs 06.12.97 stopped dead after call k (none when 0); a write
// the cut falls into leaves `tornPercent` of its new text, as a file rewritten in place is left.
struct CutRun {
    FakeFileSystem files;
    FileProfile profile{files};
    FaultPlan plan;
    explicit CutRun(int k, int tornPercent = -1) {
        prepareRotation(files, profile);
        plan.cutAfter = k;
        plan.tornPercent = tornPercent;
        startOn(files, profile, 6, &plan);
    }
    std::vector<std::string> afterRestart(const char* today) {
        return RunInvariants::afterRestart(files, profile, kIni, kJournal, today);
    }
    std::vector<std::string> list() { return TIniFile(profile, kIni).ReadList("Datens\xE4tze"); }
};

std::vector<std::pair<bool, int>> variants(const std::vector<int>& torn) {
    std::vector<std::pair<bool, int>> out;
    for (bool sameDay : {true, false})
        for (int percent : torn)
            out.emplace_back(sameDay, percent);
    return out;
}

TEST(CrashSweep, ARunStoppedDeadAfterAnyCallIsFinishedByTheNextStarts) {
    CutRun clean(0);
    const std::vector<std::string> sameDayList = clean.list();
    startOn(clean.files, clean.profile, 7, nullptr);
    const int calls = clean.plan.calls;
    ASSERT_GT(calls, 60);

    for (int k = 1; k <= calls; ++k) {
        // A write the reset falls into is left empty or cut in the middle as well.
        const std::string next = k < calls ? clean.plan.names[k] : "";
        std::vector<int> torn{-1};
        if (next.rfind("write", 0) == 0 || next.rfind("append", 0) == 0) torn = {-1, 0, 50};
        for (const auto& [sameDay, tornPercent] : variants(torn)) {
            CutRun cut(k, tornPercent);
            SCOPED_TRACE("stopped after call " + std::to_string(k) + ": " + cut.plan.names[k - 1] +
                         (tornPercent >= 0
                              ? ", " + next + " left at " + std::to_string(tornPercent) + " %"
                              : "") +
                         (sameDay ? ", started again that day" : ", started the next day"));
            if (sameDay) {
                // The run is made again and the day's record set is complete. A journal block
                // cut after the run's end stays open until the next run's block closes it.
                startOn(cut.files, cut.profile, 6, nullptr);
                std::vector<std::string> broken = cut.afterRestart("06.12.97");
                if (tornPercent > 0 && next.rfind("append", 0) == 0)
                    broken.erase(
                        std::remove(broken.begin(), broken.end(), "journal ends in an open line"),
                        broken.end());
                EXPECT_EQ(broken, std::vector<std::string>{});
                EXPECT_EQ(cut.list(), sameDayList) << "the maximum kept, no set removed twice";
            }
            // The next day rotates as if nothing had happened, or removes what was left.
            startOn(cut.files, cut.profile, 7, nullptr);
            EXPECT_EQ(cut.afterRestart("07.12.97"), std::vector<std::string>{});
            if (sameDay) {
                EXPECT_EQ(cut.list(), clean.list());
            }
        }
    }
}

} // namespace

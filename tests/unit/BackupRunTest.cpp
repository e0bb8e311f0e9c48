#include <gtest/gtest.h>

#include "backup/BackupRun.h"
#include "backup/RunJournal.h"
#include "config/Keys.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocks.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeProgressView.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const int kDone = static_cast<int>(StepMark::Done);
const int kError = static_cast<int>(StepMark::Error);

struct BackupRunTest : ::testing::Test {
    FakeClock clock;
    FakeFileSystem files;
    FakeProfile profile;
    FakeLocks locks;
    FakeProgressView view{&clock};
    BackupRun engine{view, RunPlatform{files, profile, clock, locks}};
};

TEST(WaitSeconds, IsASignedEightBitCountWithinZeroToFiftyNine) {
    const std::pair<int, int> cases[] = {{0, 0},   {59, 59}, {60, 3}, {-1, 3},   {300, 44},
                                         {200, 3}, {256, 0}, {3, 3},  {-256, 0}, {127, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(BackupRun::waitSecondsFrom(c.first), c.second) << c.first;
}

TEST(RunJournal, StaysBelowItsLimitByDroppingTheOldestBlocksWhole) {
    std::string journal;
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::string> lines = appendJournalBlock(
            journal, journalBlock({1997, 12, 6, 7, 5}, true, "C:\\T", {std::to_string(i)}));
        journal.clear();
        for (const std::string& line : lines)
            journal += line + "\r\n";
    }
    EXPECT_LT(journal.size(), kJournalLimit);
    EXPECT_EQ(journal.rfind("06.12.97 07:05 mit Fehlern\r\n", 0), 0u) << "starts with a block";
    EXPECT_EQ(journal.substr(journal.size() - 10), "\r\n1999\r\n\r\n");
}

TEST_F(BackupRunTest, TheJournalSurvivesAWriteCutShort) {
    const std::string log = "C:\\WINDOWS\\Talvek95.log", fresh = "C:\\WINDOWS\\TALVEK95.NEW";
    const std::string old = "05.12.97 07:05 ohne Fehler\r\n\r\n";
    const std::string block = "06.12.97 07:05 mit Fehlern\r\nkaputt\r\n\r\n";
    const std::string full(kJournalLimit - 50, 'x');
    struct Row {
        const char* what;
        std::string logText, newText; // empty: no such file
        std::size_t failureLines;
        std::string expected; // the journal afterwards; empty: checked below
    };
    const std::string open = old + "06.12.97 07:0";
    const Row rows[] = {
        {"a line left open is closed first", open, "", 1, open + "\r\n" + block},
        {"a complete rewrite whose old journal went", "", old, 1, old + block},
        {"a rewrite cut short beside the old journal", old, "05.12", 1, old + block},
        {"a full journal is rewritten without its oldest block", old + full, "", 1,
         full + "\r\n" + block},
        {"a block over the limit alone keeps its first lines", "", "", 9000, ""},
    };
    RunContext& run = engine.context();
    run.windowsDirectory = "C:\\WINDOWS";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        files = FakeFileSystem();
        files.addDirectory("C:\\WINDOWS");
        if (!row.logText.empty()) files.addFile(log, row.logText);
        if (!row.newText.empty()) files.addFile(fresh, row.newText);
        run.journalLines.assign(row.failureLines, "kaputt");
        run.failures = run.journalLines;
        writeJournal(run, {1997, 12, 6, 7, 5});
        EXPECT_FALSE(files.exists(fresh));
        const std::string journal = files.content(log);
        EXPECT_LT(journal.size(), kJournalLimit);
        if (!row.expected.empty()) {
            EXPECT_TRUE(journal == row.expected) << journal.size() << " bytes";
            continue;
        }
        std::size_t kept = 0;
        for (std::size_t at = journal.find("kaputt\r\n"); at != std::string::npos;
             at = journal.find("kaputt\r\n", at + 1))
            ++kept;
        EXPECT_GT(kept, 8000u);
        const std::string tail =
            "... und " + std::to_string(9000 - kept) + " weitere Zeilen\r\n\r\n";
        EXPECT_EQ(journal.substr(journal.size() - tail.size()), tail);
    }
}

TEST_F(BackupRunTest, FinishStepKeepsTheRedTextOfTheLatestFailure) {
    RunContext& run = engine.context();
    engine.finishStep(1);
    EXPECT_EQ(view.status, "Es sind keine Fehler aufgetreten.");
    EXPECT_EQ(view.statusColor, StatusColor::Green);

    run.fail("erster Fehler");
    engine.finishStep(2);
    EXPECT_EQ(view.markOf(2), kError);
    EXPECT_EQ(view.status, "erster Fehler");
    EXPECT_EQ(view.statusColor, StatusColor::Red);
    EXPECT_TRUE(run.runError);
    EXPECT_FALSE(run.stepFailed);

    int changes = view.statusChanges;
    engine.finishStep(3); // a later success leaves the red text alone
    EXPECT_EQ(view.markOf(3), kDone);
    EXPECT_EQ(view.statusChanges, changes);
    EXPECT_EQ(view.status, "erster Fehler");

    run.fail("zweiter Fehler");
    run.fail("dritter Fehler");
    engine.finishStep(4);
    EXPECT_EQ(view.status, "dritter Fehler");
    EXPECT_EQ(view.markOf(4), kError);
}

TEST_F(BackupRunTest, MissingConfigurationFileEndsTheRunAtOnce) {
    files.addDirectory("C:\\WINDOWS");
    EXPECT_TRUE(engine.run().ok());
    EXPECT_EQ(view.markOf(1), kError);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].caption, "Ein Fehler ist aufgetreten!");
    EXPECT_EQ(view.boxes[0].text, "Ini Datei \"C:\\WINDOWS\\Talvek95.ini\" wurde nicht gefunden!"
                                  "\n\rBitte f\xFChren sie zuerst Setup aus.");
    EXPECT_EQ(view.quits, 1);
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(view.messagePasses, 0);
    EXPECT_EQ(view.statusChanges, 0);
    // An autostart that outlived its configuration says why in the journal at every start.
    EXPECT_EQ(files.content("C:\\WINDOWS\\Talvek95.log"),
              "06.12.97 08:00 mit Fehlern\r\nIni Datei \"C:\\WINDOWS\\Talvek95.ini\" wurde "
              "nicht gefunden! Bitte f\xFChren sie zuerst Setup aus.\r\n\r\n");
}

TEST_F(BackupRunTest, ClosingWaitLastsTheStoredSecondsThenQuits) {
    files.addFile("C:\\WINDOWS\\Talvek95.ini");
    profile.write("C:\\WINDOWS\\Talvek95.ini", keys::kSettings, keys::kWaitSeconds, "2");
    profile.write("C:\\WINDOWS\\Talvek95.ini", keys::kCurrentRecord, keys::kDate, "06.12.97");
    LocalTime start = clock.now();
    EXPECT_TRUE(engine.run().ok());
    EXPECT_EQ(view.quits, 1);
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(view.log.back(), "Fertig.");
    double waited = secondsOf(clock.now()) - secondsOf(start);
    EXPECT_GT(waited, 2.0);
    EXPECT_LT(waited, 2.1);
    EXPECT_LE(view.messagePasses, 3) << "the wait blocks on messages instead of spinning";
}

TEST_F(BackupRunTest, ZeroSecondsStillHandlesMessagesOnce) {
    files.addFile("C:\\WINDOWS\\Talvek95.ini");
    profile.write("C:\\WINDOWS\\Talvek95.ini", keys::kSettings, keys::kWaitSeconds, "256");
    profile.write("C:\\WINDOWS\\Talvek95.ini", keys::kCurrentRecord, keys::kDate, "06.12.97");
    EXPECT_TRUE(engine.run().ok());
    EXPECT_GE(view.messagePasses, 1);
    EXPECT_EQ(view.quits, 1);
}

TEST_F(BackupRunTest, ARunWithErrorsShowsTheBoxAndStaysOpen) {
    files.addFile("C:\\WINDOWS\\Talvek95.ini");
    files.windowsDir = std::string(200, 'x'); // does not fit the platform buffer
    files.addFile("\\Talvek95.ini");
    EXPECT_TRUE(engine.run().ok());
    EXPECT_EQ(view.quits, 0);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].caption, "Fehler sind aufgetreten!");
    EXPECT_EQ(view.boxes[0].text, "W\xE4rend des aktuellen Talvek-Aufrufs kam es zu Fehlern !\n\r"
                                  "Bitte informieren Sie sich \xFC"
                                  "ber Details in diesem Fenster oder der Datei "
                                  "Protocol.txt !");
    ASSERT_GE(view.log.size(), 2u);
    EXPECT_EQ(view.log[view.log.size() - 2], "Fertig.");
    EXPECT_EQ(view.log.back(), "Fehler sind aufgetreten.");
    EXPECT_EQ(view.messagePasses, 0);
}

} // namespace

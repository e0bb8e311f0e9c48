// Whole backup runs through the engine with every step, over the in-memory fakes.
#include <gtest/gtest.h>

#include "backup/BackupRun.h"
#include <algorithm>
#include "fakes/SampleConfiguration.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocks.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeProgressView.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
const int kDone = static_cast<int>(StepMark::Done);
const int kError = static_cast<int>(StepMark::Error);

const char* const kSample = kFirstApplySample;

struct FullRunTest : ::testing::Test {
    FakeClock clock;
    FakeFileSystem files;
    FakeProfile profile;
    FakeLocks locks;

    FullRunTest() {
        files.addFile(kIni, "");
        profile.load(kIni, kSample);
        const std::uint32_t sys = attr::kReadOnly | attr::kHidden | attr::kSystem;
        files.addFile("C:\\AUTOEXEC.BAT", "@echo off");
        files.addFile("C:\\CONFIG.SYS", "files=40");
        files.addFile("C:\\IO.SYS", "io", sys);
        files.addFile("C:\\COMMAND.COM", "cmd");
        files.addFile("C:\\MSDOS.SYS", "[Paths]", sys);
        files.addFile("C:\\WINDOWS\\WIN.INI", "[windows]", 0);
        files.addFile("C:\\WINDOWS\\SYSTEM.INI", "[boot]");
        set("Einstellungen", "Sekunden warten", "0");
    }
    void set(const std::string& s, const std::string& k, const std::string& v) {
        profile.write(kIni, s, k, v);
    }
    // One run on the given day; the view is returned for inspection.
    std::unique_ptr<FakeProgressView> runOn(int year, int month, int day, bool now = false) {
        clock.setDate(year, month, day);
        auto view = std::make_unique<FakeProgressView>(&clock);
        BackupRun engine(*view, RunPlatform{files, profile, clock, locks}, now);
        EXPECT_TRUE(engine.run().ok());
        return view;
    }
};

TEST_F(FullRunTest, TheFirstDueRunAfterSetup) {
    auto view = runOn(1997, 12, 6);
    std::string expectedIni = kSample;
    expectedIni.replace(expectedIni.find("Datum=04.12.97"), 14, "Datum=06.12.97");
    expectedIni.insert(expectedIni.find("[Aktueller"), "Sekunden warten=0\n");
    expectedIni += "[06.12.97]\n"
                   "Directory=C:\\Talvek95\\061297\n"
                   "Datum=06.12.97\n"
                   "Datei1=C:\\AUTOEXEC.BAT\n"
                   "CRC1=91C4A9CA\n"
                   "Attr1=32\n"
                   "Datei2=C:\\CONFIG.SYS\n"
                   "CRC2=8BA6F295\n"
                   "Attr2=32\n"
                   "Datei3=C:\\IO.SYS\n"
                   "CRC3=28EBBED8\n"
                   "Attr3=7\n"
                   "Datei4=C:\\COMMAND.COM\n"
                   "CRC4=2F5C1CC0\n"
                   "Attr4=32\n"
                   "Datei5=C:\\MSDOS.SYS\n"
                   "CRC5=A7339E16\n"
                   "Attr5=7\n"
                   "Datei6=C:\\WINDOWS\\WIN.INI\n"
                   "CRC6=D3CA7BE1\n"
                   "Attr6=0\n"
                   "Datei7=C:\\WINDOWS\\SYSTEM.INI\n"
                   "CRC7=4A3E8749\n"
                   "Attr7=32\n"
                   "LogFile=PROTOCOL.TXT\n"
                   "RecFile=RECOVERY.BAT\n"
                   "[Datens\xE4tze]\n"
                   "0=06.12.97\n";
    EXPECT_EQ(profile.text(kIni), expectedIni);

    std::vector<std::string> log = view->log;
    ASSERT_EQ(log.size(), 21u);
    EXPECT_EQ(log[1], "Datum: 06.12.97");
    EXPECT_EQ(log[4], "Verzeichnis f\xFCr Datens\xE4tze erfolgreich erstellt.");
    EXPECT_EQ(log[5], "Heutiges Verzeichnis: C:\\Talvek95\\061297");
    EXPECT_EQ(log[6], "Heutiges Verzeichnis erfolgreich erstellt.");
    EXPECT_EQ(log[7], "10 Datei(en) zu sichern.");
    EXPECT_EQ(log[16], "Die Datei C:\\WINDOWS\\SYSTEM.DAT konnte nicht gesichert werden.");
    EXPECT_EQ(log[18], "Die Datens\xE4tze wurden aktualisiert.");
    EXPECT_EQ(log[19], "Fertig.");
    EXPECT_EQ(log[20], "Fehler sind aufgetreten.");

    std::string protocol;
    for (std::size_t i = 0; i <= 18; ++i)
        protocol += log[i] + "\r\n";
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\PROTOCOL.TXT"), protocol);

    std::string batch = files.content("C:\\Talvek95\\061297\\RECOVERY.BAT");
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < batch.size();) {
        std::size_t end = batch.find("\r\n", at);
        lines.push_back(batch.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[23], "ATTRIB -R -A -S -H C:\\MSDOS.SYS");
    EXPECT_EQ(lines[24], "COPY /-Y C:\\Talvek95\\061297\\MSDOS.SYS C:\\MSDOS.SYS /V");
    EXPECT_EQ(lines[25], "ATTRIB +R -A +S +H C:\\MSDOS.SYS");
    for (std::size_t i = 32; i < 41; ++i)
        EXPECT_EQ(lines[i], "") << i;
    EXPECT_EQ(files.attributes("C:\\Talvek95\\061297\\IO.SYS"), 0u);

    for (int step : {1, 2, 4, 5, 6})
        EXPECT_EQ(view->markOf(step), kDone) << step;
    EXPECT_EQ(view->markOf(3), kError);
    EXPECT_EQ(view->status, "Die Datei C:\\WINDOWS\\USER.DAT konnte nicht gesichert werden.");
    ASSERT_EQ(view->boxes.size(), 1u);
    EXPECT_EQ(view->boxes[0].caption, "Fehler sind aufgetreten!");
    EXPECT_EQ(view->quits, 0);
    EXPECT_EQ(locks.holds[lock::kBackupRun], 1) << "a due run keeps a second one out";

    // A second start the same day changes nothing.
    std::string iniBefore = profile.text(kIni);
    auto children = files.children("C:\\Talvek95\\061297");
    auto again = runOn(1997, 12, 6);
    EXPECT_EQ(again->status, "Eine erneute Sicherung ist noch nicht n\xF6tig.");
    EXPECT_EQ(again->log, std::vector<std::string>{"Fertig."});
    EXPECT_EQ(profile.text(kIni), iniBefore);
    EXPECT_EQ(files.children("C:\\Talvek95\\061297"), children);
    EXPECT_EQ(again->quits, 1);
}

TEST_F(FullRunTest, TheProtocolOfALongRunHoldsEveryLine) {
    for (int i = 0; i < 900; ++i) // more failures than Windows 95's details box holds
        set("Recovery Files", std::to_string(10 + i),
            "C:\\WINDOWS\\SYSTEM\\NICHT-MEHR-DA-" + std::to_string(i));
    auto view = runOn(1997, 12, 6);
    ASSERT_EQ(view->box.size(), FakeProgressView::kBoxLimit);
    std::string protocol; // every line but "Fertig." and "Fehler sind aufgetreten."
    for (std::size_t i = 0; i + 2 < view->log.size(); ++i)
        protocol += view->log[i] + "\r\n";
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\PROTOCOL.TXT"), protocol);
}

TEST_F(FullRunTest, RotationKeepsTheMaximumAndLogsTheRemoval) {
    profile.load(kIni, "[Einstellungen]\nmax. Anzahl der Datens\xE4tze=3\n"
                       "Recovery Directory=C:\\Talvek95\nSekunden warten=0\n"
                       "[Aktueller Datensatz]\nDatum=01.12.97\n"
                       "[Recovery Files]\n0=C:\\AUTOEXEC.BAT\n1=C:\\CONFIG.SYS\n");
    for (int day : {4, 5, 6, 7})
        runOn(1997, 12, day);
    auto view = runOn(1997, 12, 8);
    std::vector<std::string> expected = {
        "L\xF6sche Datensatz vom: 05.12.97",
        "Verzeichnis :C:\\Talvek95\\051297",
        " Die Datei C:\\Talvek95\\051297\\AUTOEXEC.BAT wurde gel\xF6scht.",
        " Die Datei C:\\Talvek95\\051297\\CONFIG.SYS wurde gel\xF6scht.",
        "Die Datei C:\\Talvek95\\051297\\PROTOCOL.TXT wurde gel\xF6scht",
        "Die Datei C:\\Talvek95\\051297\\RECOVERY.BAT wurde gel\xF6scht",
        "Das Verzeichnis C:\\Talvek95\\051297 wurde gel\xF6scht !",
        "Die Datens\xE4tze wurden aktualisiert.",
    };
    ASSERT_GE(view->log.size(), 17u);
    EXPECT_EQ(std::vector<std::string>(view->log.begin() + 9, view->log.begin() + 17), expected);
    EXPECT_EQ(files.children("C:\\Talvek95").size(), 3u);
    EXPECT_TRUE(files.directoryExists("C:\\Talvek95\\061297"));
    EXPECT_FALSE(profile.hasSection(kIni, "05.12.97"));
    TIniFile ini(profile, kIni);
    EXPECT_EQ(ini.ReadList("Datens\xE4tze"),
              (std::vector<std::string>{"06.12.97", "07.12.97", "08.12.97"}));
    EXPECT_EQ(view->status, "Es sind keine Fehler aufgetreten.");
    EXPECT_EQ(view->quits, 1);
}

TEST_F(FullRunTest, APcWithoutNetworkRotatesEveryDayWithinTheMaximum) {
    // No PROTOCOL.INI: each record set has a gap in its keys before SYSTEM.DAT and USER.DAT.
    files.addFile("C:\\WINDOWS\\SYSTEM.DAT", "registry");
    files.addFile("C:\\WINDOWS\\USER.DAT", "user");
    for (int day = 6; day <= 12; ++day) {
        auto view = runOn(1997, 12, day);
        TIniFile ini(profile, kIni);
        EXPECT_LE(ini.ReadList("Datens\xE4tze").size(), 3u) << day;
        EXPECT_LE(files.children("C:\\Talvek95").size(), 3u) << day;
        EXPECT_EQ(view->log.back(), "Fehler sind aufgetreten.") << "PROTOCOL.INI is listed";
        EXPECT_EQ(view->markOf(4), kDone) << day;
    }
    EXPECT_FALSE(files.exists("C:\\Talvek95\\091297")) << "every old directory gone whole";
    EXPECT_EQ(files.children("C:\\Talvek95\\121297").size(), 11u);
}

TEST_F(FullRunTest, AStartWhileAnotherRunIsUnderWayChangesNothing) {
    set("Laufende Sicherung", "Datum", "06.12.97"); // that run's mark: it was not cut short
    locks.heldByOthers.insert(lock::kBackupRun);
    const std::string before = profile.text(kIni);
    const auto filesBefore = files.allFiles();
    auto view = runOn(1997, 12, 6, true);
    const std::string said = "Eine andere Sicherung läuft gerade; dieser Aufruf ändert nichts.";
    EXPECT_EQ(view->status, said);
    EXPECT_EQ(view->log, (std::vector<std::string>{said, "Fertig."}));
    EXPECT_EQ(view->markOf(1), kDone);
    EXPECT_EQ(view->quits, 1);
    EXPECT_EQ(profile.text(kIni), before);
    EXPECT_EQ(files.allFiles(), filesBefore) << "no copy and no journal block";
    EXPECT_FALSE(files.exists("C:\\Talvek95"));
}

TEST_F(FullRunTest, AnUnreadableDateEndsTheRunWithTheConversionError) {
    set("Aktueller Datensatz", "Datum", "31.02.97");
    std::string before = profile.text(kIni);
    clock.setDate(1997, 12, 6);
    FakeProgressView view(&clock);
    BackupRun engine(view, RunPlatform{files, profile, clock, locks});
    EXPECT_EQ(engine.run().text(), std::string("'31.02.97' ist kein g\xFCltiges Datum"));
    EXPECT_EQ(profile.text(kIni), before);
    EXPECT_EQ(view.log, std::vector<std::string>{"'31.02.97' ist kein g\xFCltiges Datum"});
    EXPECT_EQ(files.content("C:\\WINDOWS\\Talvek95.log"),
              "06.12.97 08:00 mit Fehlern\r\n'31.02.97' ist kein g\xFCltiges Datum\r\n\r\n");
    EXPECT_EQ(view.quits, 0);
}

TEST_F(FullRunTest, AFailedProtocolWriteMarksRowFiveAndShowsTheBox) {
    files.addDirectory("C:\\Talvek95\\061297");
    files.unwritable.insert("c:\\talvek95\\061297\\protocol.txt");
    profile.load(kIni,
                 "[Einstellungen]\nmax. Anzahl der Datens\xE4tze=3\n"
                 "Recovery Directory=C:\\Talvek95\nSekunden warten=0\n"
                 "[Recovery Files]\n0=C:\\AUTOEXEC.BAT\n[Aktueller Datensatz]\nDatum=01.12.97\n");
    auto view = runOn(1997, 12, 6);
    EXPECT_EQ(view->markOf(4), kDone);
    EXPECT_EQ(view->markOf(5), kError);
    EXPECT_EQ(view->markOf(6), kDone);
    EXPECT_EQ(view->status,
              "Die Datei C:\\Talvek95\\061297\\PROTOCOL.TXT konnte nicht geschrieben werden.");
    EXPECT_EQ(view->statusColor, StatusColor::Red);
    EXPECT_EQ(view->boxes.size(), 1u);
    EXPECT_TRUE(files.exists("C:\\Talvek95\\061297\\RECOVERY.BAT"));
}

} // namespace

namespace {

TEST_F(FullRunTest, PathsBeyondMaxPathFailCleanly) {
    // A backup directory that just fits leaves no room for today's record set directory.
    std::string deep = "C:\\" + std::string(120, 'A') + "\\" + std::string(120, 'B');
    files.addDirectory(deep);
    profile.load(kIni,
                 "[Einstellungen]\nmax. Anzahl der Datens\xE4tze=3\nRecovery Directory=" + deep +
                     "\nSekunden warten=0\n[Aktueller Datensatz]\nDatum=01.12.97\n"
                     "[Recovery Files]\n0=C:\\AUTOEXEC.BAT\n1=C:\\" +
                     std::string(300, 'L') + ".TXT\n");
    auto view = runOn(1997, 12, 6);
    EXPECT_EQ(view->markOf(2), kError);
    EXPECT_EQ(view->markOf(3), kError);
    EXPECT_EQ(view->markOf(5), kDone) << "a run that saved nothing writes no record files";
    EXPECT_EQ(view->status,
              "Die Datei C:\\" + std::string(300, 'L') + ".TXT konnte nicht gesichert werden.");
    EXPECT_EQ(view->boxes.size(), 1u);
    EXPECT_EQ(files.children(deep).size(), 0u);
}

} // namespace

namespace {

const char* const kTwoFiles = "[Einstellungen]\nmax. Anzahl der Datens\xE4tze=3\n"
                              "Recovery Directory=C:\\Talvek95\nSekunden warten=0\n"
                              "[Aktueller Datensatz]\nDatum=01.12.97\n"
                              "[Recovery Files]\n0=C:\\AUTOEXEC.BAT\n1=C:\\CONFIG.SYS\n";

TEST_F(FullRunTest, ADayAlreadyRegisteredIsNeverBackedUpOrRemovedAgain) {
    struct Case {
        const char* name;
        const char* interval;
        std::vector<int> days; // the clock's day in December 1997 at each start
        bool now = false;      // "Jetzt sichern": due whatever the interval
    };
    // Record sets are named by the day: a second due run on a registered day would fail
    // every copy, empty the day's batch, register the day twice and later delete its copies.
    const Case cases[] = {
        {"clock set back a day", "1", {6, 7, 8, 7}},
        {"clock set back two days", "1", {6, 7, 8, 6}},
        {"interval 0, same day", "0", {6, 6, 6}},
        {"interval -5, back and forth", "-5", {6, 7, 6, 7}},
        {"Jetzt sichern within the interval", "7", {6, 7, 7}, true},
    };
    for (const Case& c : cases) {
        files = FakeFileSystem();
        profile = FakeProfile();
        files.addFile(kIni, "");
        files.addFile("C:\\AUTOEXEC.BAT", "@echo off");
        files.addFile("C:\\CONFIG.SYS", "files=40");
        profile.load(kIni, kTwoFiles);
        set("Einstellungen", "AlleXTage", c.interval);
        std::vector<std::string> registered;
        for (int day : c.days) {
            std::string date = (day < 10 ? "0" : "") + std::to_string(day) + ".12.97";
            bool known = std::find(registered.begin(), registered.end(), date) != registered.end();
            auto view = runOn(1997, 12, day, c.now);
            EXPECT_EQ(view->status, known ? "Eine erneute Sicherung ist noch nicht n\xF6tig."
                                          : "Es sind keine Fehler aufgetreten.")
                << c.name << ", day " << day;
            if (!known) registered.push_back(date);
        }
        TIniFile ini(profile, kIni);
        EXPECT_EQ(ini.ReadList("Datens\xE4tze"), registered) << c.name;
        for (const std::string& date : registered) {
            std::string dir = "C:\\Talvek95\\" + date.substr(0, 2) + "1297";
            EXPECT_EQ(files.content(dir + "\\CONFIG.SYS"), "files=40") << c.name << " " << dir;
            EXPECT_NE(files.content(dir + "\\RECOVERY.BAT").find("COPY /-Y"), std::string::npos)
                << c.name << " " << dir;
        }
    }
}

TEST_F(FullRunTest, ARunThatSavedNothingIsTriedAgainAtTheNextStart) {
    profile.load(kIni, kTwoFiles);
    set("Einstellungen", "Recovery Directory", "D:\\Sich\\Talvek95"); // drive not there
    auto failed = runOn(1997, 12, 6);
    EXPECT_EQ(failed->markOf(3), kError);
    EXPECT_EQ(profile.read(kIni, "Aktueller Datensatz", "Datum", "", 1024), "01.12.97");
    EXPECT_FALSE(profile.hasSection(kIni, "Datens\xE4tze"));
    EXPECT_FALSE(profile.hasSection(kIni, "06.12.97"));
    // The reason outlives the window, though no protocol could be written.
    EXPECT_EQ(files.content("C:\\WINDOWS\\Talvek95.log"),
              "06.12.97 08:00 mit Fehlern\r\n"
              "Verzeichnis f\xFCr Datens\xE4tze: D:\\Sich\\Talvek95\r\n"
              "Das Verzeichnis f\xFCr die Datens\xE4tze konnte nicht erstellt werden!\r\n"
              "Das Verzeichnis f\xFCr den heutigen Datensatz konnte nicht erstellt werden!\r\n"
              "Die Datei C:\\AUTOEXEC.BAT konnte nicht gesichert werden.\r\n"
              "Die Datei C:\\CONFIG.SYS konnte nicht gesichert werden.\r\n\r\n");

    set("Einstellungen", "Recovery Directory", "C:\\Talvek95");
    auto retried = runOn(1997, 12, 6);
    EXPECT_EQ(retried->status, "Es sind keine Fehler aufgetreten.");
    EXPECT_EQ(TIniFile(profile, kIni).ReadList("Datens\xE4tze"),
              std::vector<std::string>{"06.12.97"});
}

TEST_F(FullRunTest, ProfileAccessesDoNotGrowWithTheFileList) {
    // Each access reads or rewrites the whole file on Windows NT and later: per-file
    // accesses would make a long list cost the square of its length.
    auto accessesOfADueRun = [this](int fileCount) {
        files = FakeFileSystem();
        profile = FakeProfile();
        files.addFile(kIni, "");
        std::string text = "[Einstellungen]\nmax. Anzahl der Datens\xE4tze=3\n"
                           "Recovery Directory=C:\\Talvek95\nSekunden warten=0\n"
                           "[Aktueller Datensatz]\nDatum=01.12.97\n"
                           "[Datens\xE4tze]\n0=01.12.97\n1=02.12.97\n[Recovery Files]\n";
        for (int i = 0; i < fileCount; ++i) {
            std::string path = "C:\\DATA\\F" + std::to_string(i) + ".INI";
            files.addFile(path, "x");
            text += std::to_string(i) + "=" + path + "\n";
        }
        profile.load(kIni, text);
        runOn(1997, 12, 6);
        EXPECT_EQ(TIniFile(profile, kIni).ReadList("06.12.97", "Datei", 1).size(),
                  static_cast<std::size_t>(fileCount));
        return profile.accessCount;
    };
    const int few = accessesOfADueRun(10);
    EXPECT_EQ(accessesOfADueRun(500), few);
    // One more per registered record set (whether it is kept); the run's mark is read once
    // and written twice, the protocol's and batch's names are read for step 3 too.
    EXPECT_LE(few, 28);
    RecordProperty("accesses", few);
}

} // namespace

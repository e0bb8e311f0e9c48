#include "StepTestFixture.h"
#include "backup/Crc32.h"
#include "backup/RecordSetChecks.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

struct RemovalStepTest : StepTest {
    RemovalStepTest() {
        run.savedAnyFile = true;
        set("Einstellungen", "max. Anzahl der Datens\xE4tze", "3");
    }
    std::vector<std::string> list() { return TIniFile(profile, kIni).ReadList("Datens\xE4tze"); }
    bool hasSection(const std::string& s) { return profile.hasSection(kIni, s); }
};

TEST_F(RemovalStepTest, TheOldestRecordSetGoesWithExactlyTheseLines) {
    addRecordSet("04.12.97", {"C:\\AUTOEXEC.BAT", "C:\\CONFIG.SYS"});
    addRecordSet("05.12.97", {"C:\\AUTOEXEC.BAT"});
    addRecordSet("03.12.97", {"C:\\AUTOEXEC.BAT"}); // registered last, though older
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "L\xF6sche Datensatz vom: 04.12.97",
                            "Verzeichnis :C:\\Talvek95\\041297",
                            " Die Datei C:\\Talvek95\\041297\\AUTOEXEC.BAT wurde gel\xF6scht.",
                            " Die Datei C:\\Talvek95\\041297\\CONFIG.SYS wurde gel\xF6scht.",
                            "Die Datei C:\\Talvek95\\041297\\PROTOCOL.TXT wurde gel\xF6scht",
                            "Die Datei C:\\Talvek95\\041297\\RECOVERY.BAT wurde gel\xF6scht",
                            "Das Verzeichnis C:\\Talvek95\\041297 wurde gel\xF6scht !",
                            "Die Datens\xE4tze wurden aktualisiert.",
                        }));
    EXPECT_FALSE(run.stepFailed);
    EXPECT_FALSE(files.exists("C:\\Talvek95\\041297"));
    EXPECT_FALSE(hasSection("04.12.97"));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\051297\\AUTOEXEC.BAT"));
    EXPECT_EQ(list(), (std::vector<std::string>{"05.12.97", "03.12.97", "06.12.97"}));
}

TEST_F(RemovalStepTest, AKeptRecordSetNeitherGoesNorCounts) {
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "2");
    for (const char* date : {"02.12.97", "03.12.97", "04.12.97", "05.12.97"})
        addRecordSet(date, {"C:\\A.TXT"});
    set("02.12.97", "Behalten", "1");
    set("04.12.97", "Behalten", "1");
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(list(), (std::vector<std::string>{"02.12.97", "04.12.97", "05.12.97", "06.12.97"}));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\021297\\A.TXT"));
    EXPECT_FALSE(files.exists("C:\\Talvek95\\031297"));
}

TEST_F(RemovalStepTest, BelowTheMaximumNothingIsRemoved) {
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "2");
    addRecordSet("05.12.97", {"C:\\A.TXT"});
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(view.log, std::vector<std::string>{"Die Datens\xE4tze wurden aktualisiert."});
    EXPECT_EQ(list(), (std::vector<std::string>{"05.12.97", "06.12.97"}));
}

TEST_F(RemovalStepTest, ALoweredMaximumRemovesSeveralOldestFirst) {
    for (int day = 21; day <= 29; ++day)
        addRecordSet(std::to_string(day) + ".11.97", {"C:\\A.TXT"});
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(list(), (std::vector<std::string>{"28.11.97", "29.11.97", "06.12.97"}));
    int removed = 0;
    for (const std::string& line : view.log)
        if (line.rfind("L\xF6sche Datensatz vom: ", 0) == 0) ++removed;
    EXPECT_EQ(removed, 7);
    EXPECT_EQ(view.log[0], "L\xF6sche Datensatz vom: 21.11.97");
    EXPECT_FALSE(files.exists("C:\\Talvek95\\271197"));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\281197"));
}

TEST_F(RemovalStepTest, AnInvalidMaximumIsCorrectedToTheDefaultThree) {
    for (const char* stored : {"", "0", "-4", "abc"}) {
        view.log.clear();
        registered.clear();
        run.stepFailed = false;
        if (*stored)
            set("Einstellungen", "max. Anzahl der Datens\xE4tze", stored);
        else
            load("");
        addRecordSet("04.12.97", {"C:\\A.TXT"});
        addRecordSet("05.12.97", {"C:\\A.TXT"});
        EXPECT_TRUE(removeOldRecordSets(run).ok());
        EXPECT_EQ(get("Einstellungen", "max. Anzahl der Datens\xE4tze"), "3") << stored;
        EXPECT_TRUE(run.stepFailed) << stored;
        EXPECT_EQ(run.errorText, "Die maximale Anzahl der Datens\xE4tze war kleiner als 1. "
                                 "Fehler wurde korrigiert !");
        // Corrected to 1, every older record set would go.
        EXPECT_EQ(list(), (std::vector<std::string>{"04.12.97", "05.12.97", "06.12.97"})) << stored;
        EXPECT_TRUE(files.exists("C:\\Talvek95\\041297\\A.TXT")) << stored;
    }
}

TEST_F(RemovalStepTest, AFailedRemovalStaysRegisteredAndStopsTheRotation) {
    addRecordSet("04.12.97", {"C:\\A.TXT", "C:\\C.TXT"});
    files.heldOpen.insert("c:\\talvek95\\041297\\c.txt");
    addRecordSet("05.12.97", {"C:\\A.TXT"});
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_FALSE(files.exists("C:\\Talvek95\\041297\\A.TXT"));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\041297\\C.TXT"));
    EXPECT_EQ(view.log[3],
              " Die Datei C:\\Talvek95\\041297\\C.TXT konnte nicht gel\xF6scht werden.");
    EXPECT_EQ(run.errorText,
              "Das Verzeichnis C:\\Talvek95\\041297 konnte nicht gel\xF6scht werden !");
    EXPECT_TRUE(hasSection("04.12.97"));
    // Tried again next time; a younger record set never goes in its place.
    EXPECT_EQ(list(), (std::vector<std::string>{"04.12.97", "05.12.97", "06.12.97"}));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\051297\\A.TXT"));
}

TEST_F(RemovalStepTest, ProtectedOwnFilesGoAndForeignFilesStayWithTheirDirectory) {
    struct Row {
        const char* what;
        std::uint32_t copyAttributes;
        const char* foreign; // a file the user put into the folder
        const char* line;    // the last line of the log
    };
    const Row rows[] = {
        {"read-only copy", attr::kReadOnly, nullptr,
         "Das Verzeichnis C:\\Talvek95\\041297 wurde gel\xF6scht !"},
        {"hidden system copy", attr::kHidden | attr::kSystem, nullptr,
         "Das Verzeichnis C:\\Talvek95\\041297 wurde gel\xF6scht !"},
        {"stray file", 0, "NOTIZ.TXT",
         "Das Verzeichnis C:\\Talvek95\\041297 enth\xE4lt fremde Dateien und bleibt erhalten: "
         "NOTIZ.TXT"},
        {"copy of an entry listed with a trailing blank", 0, nullptr,
         "Das Verzeichnis C:\\Talvek95\\041297 wurde gel\xF6scht !"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        files = FakeFileSystem();
        files.addFile(kIni, "");
        view.log.clear();
        run.failures.clear();
        registered.clear();
        load("[Einstellungen]\nmax. Anzahl der Datens\xE4tze=1\n");
        addRecordSet("04.12.97", {"C:\\A.TXT"});
        if (!row.copyAttributes && !row.foreign) set("04.12.97", "Datei1", "C:\\A.TXT .");
        files.setAttributes("C:\\Talvek95\\041297\\A.TXT", row.copyAttributes);
        if (row.foreign) files.addFile(std::string("C:\\Talvek95\\041297\\") + row.foreign);
        EXPECT_TRUE(removeOldRecordSets(run).ok());
        EXPECT_EQ(run.failures, std::vector<std::string>{});
        EXPECT_EQ(view.log.at(view.log.size() - 2), row.line);
        EXPECT_FALSE(files.exists("C:\\Talvek95\\041297\\A.TXT"));
        EXPECT_EQ(files.exists("C:\\Talvek95\\041297"), row.foreign != nullptr);
        // The set is gone from the bookkeeping either way: the rotation goes on.
        EXPECT_FALSE(hasSection("04.12.97"));
        EXPECT_EQ(list(), std::vector<std::string>{"06.12.97"});
    }
}

TEST_F(RemovalStepTest, FilesAlreadyGoneAndGapsInTheKeysStillEmptyTheSet) {
    // A failed copy leaves a gap in the keys; a copy after it must still go, or the
    // directory, and with it the whole rotation, would stay for good.
    addRecordSet("04.12.97", {"C:\\A.TXT", "C:\\B.TXT", "C:\\C.TXT"});
    EXPECT_TRUE(TIniFile(profile, kIni)
                    .WriteSection("04.12.97", {{"Directory", "C:\\Talvek95\\041297"},
                                               {"Datei1", "C:\\A.TXT"},
                                               {"Datei3", "C:\\C.TXT"},
                                               {"Datei12", "C:\\L.TXT"},
                                               {"LogFile", "No Log"}, // none made
                                               {"RecFile", "RECOVERY.BAT"}})
                    .ok());
    files.deleteFile("C:\\Talvek95\\041297\\B.TXT");
    files.addFile("C:\\Talvek95\\041297\\L.TXT");
    addRecordSet("05.12.97", {"C:\\A.TXT"});
    addRecordSet("03.12.97", {"C:\\A.TXT"});
    files.deleteFile("C:\\Talvek95\\041297\\A.TXT");
    files.deleteFile("C:\\Talvek95\\041297\\PROTOCOL.TXT");
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    const std::string dir = "C:\\Talvek95\\041297\\";
    EXPECT_EQ(std::vector<std::string>(view.log.begin() + 2, view.log.begin() + 7),
              (std::vector<std::string>{
                  " Die Datei " + dir + "A.TXT war bereits gel\xF6scht.",
                  " Die Datei " + dir + "C.TXT wurde gel\xF6scht.",
                  " Die Datei " + dir + "L.TXT wurde gel\xF6scht.",
                  "Die Datei " + dir + "RECOVERY.BAT wurde gel\xF6scht",
                  "Das Verzeichnis C:\\Talvek95\\041297 wurde gel\xF6scht !",
              }));
    EXPECT_FALSE(run.stepFailed) << "a retry that succeeds ends green";
    EXPECT_FALSE(hasSection("04.12.97"));
    EXPECT_EQ(list(), (std::vector<std::string>{"05.12.97", "03.12.97", "06.12.97"}));
}

TEST_F(RemovalStepTest, AMissingSectionDeletesNothing) {
    registered = {"01.12.97", "02.12.97"};
    set("Datens\xE4tze", "0", "01.12.97");
    set("Datens\xE4tze", "1", "02.12.97");
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "2");
    files.calls.clear();
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "L\xF6sche Datensatz vom: nicht gefunden!",
                            "Verzeichnis :nicht gefunden!",
                            "Das zu l\xF6schende Verzeichnis konnte nicht ermittelt werden.",
                            "Die Datens\xE4tze wurden aktualisiert.",
                        }));
    EXPECT_EQ(run.errorText, "Das zu l\xF6schende Verzeichnis konnte nicht ermittelt werden.");
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(list(), (std::vector<std::string>{"02.12.97", "06.12.97"}));
}

TEST_F(RemovalStepTest, WithoutDirectoryRecordedFilesAreNotTouched) {
    files.addFile("C:\\AUTOEXEC.BAT");
    files.current = "C:\\";
    set("01.12.97", "Datei1", "C:\\AUTOEXEC.BAT");
    set("01.12.97", "LogFile", "AUTOEXEC.BAT");
    set("Datens\xE4tze", "0", "01.12.97");
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
    files.calls.clear();
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_TRUE(files.exists("C:\\AUTOEXEC.BAT"));
    EXPECT_TRUE(files.calls.empty());
    EXPECT_TRUE(hasSection("01.12.97"));
}

TEST_F(RemovalStepTest, ADirectoryThatIsNoRecordSetDirectoryIsLeftAlone) {
    // Only a directory named after the record set's date, directly in the backup directory,
    // is emptied. One so named elsewhere was left by a former backup directory: it stays on
    // disk but leaves the bookkeeping, without an error.
    const std::pair<const char*, bool> rows[] = {{"C:\\WINDOWS", false},
                                                 {"C:\\", false},
                                                 {"", false},
                                                 {"C:\\Talvek95\\041297\\..", false},
                                                 {"041297", false},
                                                 {"C:\\Talvek95\\041297\\", false},
                                                 {"C:\\Talvek95\\051297", false},
                                                 {"C:\\Wichtig\\041297", true},
                                                 {"D:\\Talvek95\\041297", true},
                                                 {"C:\\Talvek95\\Alt\\041297", true}};
    for (const auto& [dir, former] : rows) {
        view.log.clear();
        files.calls.clear();
        files.addFile("C:\\WINDOWS\\WIN.INI");
        profile.removeSection(kIni, "04.12.97");
        set("04.12.97", "Directory", dir);
        set("04.12.97", "Datum", "04.12.97");
        set("04.12.97", "Datei1", "C:\\WINDOWS\\WIN.INI");
        set("04.12.97", "LogFile", "WIN.INI");
        set("Datens\xE4tze", "0", "04.12.97");
        set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
        EXPECT_TRUE(removeOldRecordSets(run).ok());
        std::string text = former
                               ? std::string("Der Datensatz vom 04.12.97 in ") + dir +
                                     " liegt nicht im Sicherungsverzeichnis und bleibt erhalten."
                               : std::string("Das Verzeichnis ") + dir +
                                     " ist kein Datensatzverzeichnis und wird nicht gel\xF6scht !";
        ASSERT_EQ(view.log.size(), 4u) << dir;
        EXPECT_EQ(view.log[2], text);
        EXPECT_EQ(run.stepFailed, !former) << dir;
        run.stepFailed = false;
        EXPECT_TRUE(files.calls.empty()) << dir << ": " << files.calls.front();
        EXPECT_TRUE(files.exists("C:\\WINDOWS\\WIN.INI"));
        EXPECT_EQ(hasSection("04.12.97"), !former) << dir;
        EXPECT_EQ(list(), std::vector<std::string>{"06.12.97"});
    }
}

TEST_F(RemovalStepTest, RecordedNamesThatLeaveTheDirectoryAreRefused) {
    addRecordSet("04.12.97", {"C:\\A.TXT"});
    files.addFile("C:\\AUTOEXEC.BAT");
    files.addFile("C:\\Talvek95\\KEEP.TXT");
    set("04.12.97", "Datei2", "C:\\WINDOWS\\..");
    set("04.12.97", "LogFile", "..\\..\\AUTOEXEC.BAT");
    set("04.12.97", "RecFile", "..");
    // So is a copy's place other than the folder of its own its number names.
    const std::string places[] = {"..\\..\\AUTOEXEC.BAT", "DATEI3\\AUTOEXEC.BAT",
                                  "C:\\AUTOEXEC.BAT"};
    for (int n : {3, 4, 5}) {
        set("04.12.97", "Datei" + std::to_string(n), "C:\\DOS\\AUTOEXEC.BAT");
        set("04.12.97", "Kopie" + std::to_string(n), places[n - 3]);
    }
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    const std::string tail = " wird nicht gel\xF6scht, da sie au\xDF"
                             "erhalb des Datensatzes liegt.";
    EXPECT_EQ(view.log[3], " Die Datei C:\\Talvek95\\041297\\.." + tail);
    for (int n : {4, 5, 6})
        EXPECT_EQ(view.log[n], " Die Datei C:\\Talvek95\\041297\\" + places[n - 4] + tail);
    EXPECT_EQ(view.log[7], " Die Datei C:\\Talvek95\\041297\\..\\..\\AUTOEXEC.BAT" + tail);
    EXPECT_EQ(view.log[8], " Die Datei C:\\Talvek95\\041297\\.." + tail);
    // The protocol and batch the section no longer names stay, and their directory with them.
    EXPECT_EQ(view.log[9], "Das Verzeichnis C:\\Talvek95\\041297 enth\xE4lt fremde Dateien und "
                           "bleibt erhalten: PROTOCOL.TXT, RECOVERY.BAT");
    EXPECT_TRUE(files.exists("C:\\Talvek95\\041297\\PROTOCOL.TXT"));
    EXPECT_TRUE(files.exists("C:\\AUTOEXEC.BAT"));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\KEEP.TXT"));
    for (const std::string& call : files.calls)
        for (const char* outside : {"..", "AUTOEXEC"})
            EXPECT_EQ(call.find(outside), std::string::npos) << call;
}

TEST_F(RemovalStepTest, TheCurrentDirectoryIsMovedOffTheRecordSet) {
    addRecordSet("04.12.97", {"C:\\A.TXT"});
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
    files.current = "C:\\Talvek95\\041297";
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(files.current, "c:\\");
    EXPECT_FALSE(files.exists("C:\\Talvek95\\041297"));
}

TEST_F(RemovalStepTest, SwitchedOffFilesAreNotLookedFor) {
    addRecordSet("04.12.97", {"C:\\A.TXT"});
    files.deleteFile("C:\\Talvek95\\041297\\PROTOCOL.TXT");
    files.deleteFile("C:\\Talvek95\\041297\\RECOVERY.BAT");
    profile.removeSection(kIni, "04.12.97");
    set("04.12.97", "Directory", "C:\\Talvek95\\041297");
    set("04.12.97", "Datum", "04.12.97");
    set("04.12.97", "Datei1", "C:\\A.TXT");
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(view.log.size(), 5u);
    EXPECT_FALSE(run.stepFailed);
}

TEST_F(RemovalStepTest, NothingIsRotatedOrRegisteredWhenTodaySavedNothing) {
    run.savedAnyFile = false;
    run.previousDate = "05.12.97";
    set("Aktueller Datensatz", "Datum", "06.12.97");
    addRecordSet("04.12.97", {"C:\\A.TXT"});
    addRecordSet("05.12.97", {"C:\\A.TXT"});
    addRecordSet("03.12.97", {"C:\\A.TXT"});
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "Alte Datens\xE4tze wurden nicht gel\xF6scht, da heute keine Datei "
                            "gesichert wurde.",
                        }));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\041297\\A.TXT"));
    EXPECT_EQ(list().size(), 3u) << "an empty record set would later push a good one out";
    EXPECT_EQ(get("Aktueller Datensatz", "Datum"), "05.12.97") << "the next start tries again";
    EXPECT_FALSE(run.stepFailed);
}

TEST_F(RemovalStepTest, ARunThatSavedNothingSaysSoEvenWithNothingToRemove) {
    run.savedAnyFile = false;
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(view.log.front(), "Alte Datens\xE4tze wurden nicht gel\xF6scht, da heute keine "
                                "Datei gesichert wurde.");
    EXPECT_EQ(list(), std::vector<std::string>{});
}

TEST_F(RemovalStepTest, TheSameDateTwiceRemovesTheSectionOnlyOnce) {
    addRecordSet("04.12.97", {"C:\\A.TXT"});
    registered.push_back("04.12.97");
    set("Datens\xE4tze", "1", "04.12.97");
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(view.log[6], "L\xF6sche Datensatz vom: nicht gefunden!");
    EXPECT_EQ(list(), std::vector<std::string>{"06.12.97"});
}

TEST_F(RemovalStepTest, AGapInTheListDropsTheEntriesAfterIt) {
    load("[Datens\xE4tze]\n0=01.12.97\n1=02.12.97\n3=04.12.97\n"
         "[Einstellungen]\nmax. Anzahl der Datens\xE4tze=5\n");
    EXPECT_TRUE(removeOldRecordSets(run).ok());
    EXPECT_EQ(list(), (std::vector<std::string>{"01.12.97", "02.12.97", "06.12.97"}));
    EXPECT_EQ(get("Datens\xE4tze", "3"), "<none>");
}

TEST_F(RemovalStepTest, AWriteProtectedFileRaisesTheWriteError) {
    addRecordSet("04.12.97", {"C:\\A.TXT"});
    set("Einstellungen", "max. Anzahl der Datens\xE4tze", "1");
    profile.setReadOnly(kIni, true);
    EXPECT_EQ(removeOldRecordSets(run).text(),
              "nach C:\\WINDOWS\\Talvek95.ini kann nicht geschrieben werden");
}

} // namespace

namespace {} // namespace

#include <gtest/gtest.h>

#include "fakes/SampleConfiguration.h"
#include "config/Error.h"
#include "unit/SetupFixture.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

using SetupLoad = SetupFixture;
using SetupApply = SetupFixture;

std::vector<std::string> splitMessage(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0, pos;
    while ((pos = text.find("\n\r", start)) != std::string::npos) {
        lines.push_back(text.substr(start, pos - start));
        start = pos + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST_F(SetupLoad, WithoutAFileShowsTheDefaultsAndOffersTheSystemFiles) {
    EXPECT_TRUE(logic.load().ok());
    EXPECT_EQ(view.maxRecordSets(), 3);
    EXPECT_EQ(view.backupDirectory(), "C:\\Talvek95");
    EXPECT_EQ(view.datePanel, "letzte Sicherung: keine");
    EXPECT_TRUE(view.batchFile());
    EXPECT_EQ(view.batchName(), "RECOVERY.BAT");
    EXPECT_TRUE(view.logFile());
    EXPECT_EQ(view.logName(), "PROTOCOL.TXT");
    EXPECT_EQ(view.everyXDays(), 1);
    EXPECT_FALSE(view.active());
    EXPECT_TRUE(view.batchNameEnabled);
    EXPECT_TRUE(view.logNameEnabled);

    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(questions.asked[0].caption, "Talvek 95 - Systemdateien hinzuf\xFCgen ?");
    const std::string& text = questions.asked[0].text;
    EXPECT_EQ(text.find('\r'), text.find('\n') + 1) << "lines end in LF followed by CR";
    std::vector<std::string> lines = splitMessage(text);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Danke, dass Sie sich f\xFCr Talvek 95 entschieden haben !");
    EXPECT_EQ(lines[4], "best\xE4tigen Sie bitte mit \"Ja\". Wenn Sie nicht wissen wie Sie "
                        "antworten sollen, best\xE4tigen Sie ebenfalls mit \"Ja\".");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Viel Spa\xDF mit Talvek 95 w\xFCnscht");

    // Answered No: nothing listed, but the first apply can be made at once.
    EXPECT_TRUE(view.lines.empty());
    EXPECT_TRUE(view.okEnabled());
    EXPECT_FALSE(profile.exists(kIni)) << "loading never creates the file";
}

TEST_F(SetupLoad, YesAppendsTheSystemFilesOfTheWindowsDirectoryAfterTheLoadedOnes) {
    files.windowsDir = "D:\\WIN95";
    profile.load("D:\\WIN95\\Talvek95.ini", "[Recovery Files]\n0=C:\\CONFIG.SYS\n");
    questions.answers = {true};
    const std::vector<std::string> expected = {"C:\\CONFIG.SYS",        "C:\\AUTOEXEC.BAT",
                                               "C:\\CONFIG.SYS",        "C:\\IO.SYS",
                                               "C:\\COMMAND.COM",       "C:\\MSDOS.SYS",
                                               "D:\\WIN95\\WIN.INI",    "D:\\WIN95\\SYSTEM.INI",
                                               "D:\\WIN95\\SYSTEM.DAT", "D:\\WIN95\\USER.DAT"};
    // Then each user profile's registry; a profile without one yet adds nothing.
    files.addFile("D:\\WIN95\\Profiles\\Anna\\USER.DAT");
    files.addDirectory("D:\\WIN95\\Profiles\\Bert");
    // Without a network there is no PROTOCOL.INI: listed, it would fail every run.
    for (std::size_t i = 1; i < expected.size(); ++i)
        files.addFile(expected[i]);
    EXPECT_TRUE(logic.load().ok());
    EXPECT_EQ(view.lines.back(), "D:\\WIN95\\Profiles\\Anna\\USER.DAT");
    view.lines.pop_back();
    EXPECT_EQ(view.lines, expected);
    EXPECT_TRUE(view.okEnabled());
}

TEST_F(SetupLoad, AfterTheFirstApplyNothingIsAskedAndOkStaysDisabled) {
    registry.key(setup::kRunKey)->values["talvek95"] = "C:\\TALVEK\\TALVEK.EXE -s";
    loadApplied("max. Anzahl der Datens\xE4tze=7\nRecovery Directory=D:\\SAVE\n"
                "Batchfile=0\nBatchname=R.BAT\nLogfile=2\nLogname=P.TXT\nAlleXTage=0x1F\n"
                "Aktiv=1\n[Aktueller Datensatz]\nDatum=06.12.97\n[Datens\xE4tze]\n0=04.12.97\n"
                "[Recovery Files]\n0=A\n1=B\n3=D\n");
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_FALSE(view.okEnabled()) << "change notifications while loading do not count";
    EXPECT_EQ(view.maxRecordSets(), 7);
    EXPECT_EQ(view.backupDirectory(), "D:\\SAVE");
    EXPECT_EQ(view.datePanel, "letzte Sicherung: 04.12.97 (vor 2 Tagen)");
    const Date today{1997, 12, 6};
    for (const auto& [date, age] : std::vector<std::pair<const char*, const char*>>{
             {"06.12.97", " (heute)"}, {"05.12.97", " (vor 1 Tag)"}, {"07.12.97", ""}, {"N/A", ""}})
        EXPECT_EQ(setup::backupAge(date, today), age) << date;
    EXPECT_FALSE(view.batchFile());
    EXPECT_FALSE(view.batchNameEnabled);
    EXPECT_EQ(view.batchName(), "R.BAT");
    EXPECT_TRUE(view.logFile());
    EXPECT_TRUE(view.logNameEnabled);
    EXPECT_EQ(view.everyXDays(), 31);
    EXPECT_TRUE(view.active());
    EXPECT_EQ(view.lines, (std::vector<std::string>{"A", "B"})) << "a gap ends the list";
    EXPECT_EQ(logic.openDialogFolder(), "D:\\SAVE");
}

TEST_F(SetupLoad, NumbersOutsideTheFieldsOrUnreadableLoadWithinBounds) {
    struct Case {
        const char *maxText, *daysText;
        int max, days;
    } cases[] = {
        {"1", "0", 2, 1},   {"5000", "1001", 1000, 1000}, {"abc", "", 3, 1},
        {"-4", "-1", 2, 1}, {"1000", "1000", 1000, 1000}, {"$10", "x", 16, 1},
    };
    for (const Case& c : cases) {
        FakeSetupView fresh;
        SetupLogic freshLogic{fresh, platform()};
        fresh.logic = &freshLogic;
        profile.load(kIni,
                     std::string("[Einstellungen]\nfirstrun=1\nmax. Anzahl der Datens\xE4tze=") +
                         c.maxText + "\nAlleXTage=" + c.daysText + "\n");
        EXPECT_TRUE(freshLogic.load().ok());
        EXPECT_EQ(fresh.maxRecordSets(), c.max) << c.maxText;
        EXPECT_EQ(fresh.everyXDays(), c.days) << c.daysText;
    }
}

TEST_F(SetupLoad, ALongFileListIsLoadedWhole) {
    std::string text = "[Einstellungen]\nfirstrun=1\n[Recovery Files]\n";
    for (int i = 0; i < 1200; ++i)
        text += std::to_string(i) + "=C:\\F" + std::to_string(i) + "\n";
    profile.load(kIni, text);
    EXPECT_TRUE(logic.load().ok());
    ASSERT_EQ(view.lines.size(), 1200u);
    EXPECT_EQ(view.lines[1199], "C:\\F1199");
}

TEST_F(SetupLoad, AListBoxThatRefusesALineRaisesTheError) {
    view.capacity = 1;
    profile.load(kIni, "[Einstellungen]\nfirstrun=1\n[Recovery Files]\n0=A\n1=B\n");
    EXPECT_EQ(logic.load().text(), "Zeile kann nicht eingefügt werden");
    EXPECT_EQ(view.lines, std::vector<std::string>{"A"});
    EXPECT_FALSE(view.okEnabled());
}

TEST_F(SetupApply, FirstApplyWritesTheSampleSetupLinesAndTheAutostartEntry) {
    questions.answers = {true, true}; // system files, then the autostart
    EXPECT_TRUE(logic.load().ok());
    EXPECT_TRUE(logic.apply().ok());
    EXPECT_EQ(profile.text(kIni), talvek::testing::kFirstApplySample);
    ASSERT_EQ(questions.asked.size(), 2u);
    EXPECT_EQ(questions.asked[1].caption, "Talvek 95 bei jedem Windows-Start automatisch laden ?");
    std::vector<std::string> lines = splitMessage(questions.asked[1].text);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], "Start zu laden, oder best\xE4tigen Sie jetzt mit \"Ja\".");
    EXPECT_TRUE(view.active());
    EXPECT_EQ(runValue(), "C:\\TALVEK\\TALVEK.EXE -s");
    EXPECT_EQ(registry.openKeys, 0) << "the Run key is closed again";
    EXPECT_FALSE(view.okEnabled());
    EXPECT_EQ(view.datePanel, "letzte Sicherung: keine") << "the apply leaves the date panel";
}

TEST_F(SetupApply, TheFirstDateIsWrittenOnlyWhileItIsMissingOrUnreadable) {
    EXPECT_TRUE(logic.load().ok());
    view.setEveryXDays(5);
    EXPECT_TRUE(logic.apply().ok());
    EXPECT_EQ(ini("Aktueller Datensatz", "Datum"), "30.11.97") << "today minus six days";
    clock.setDate(1998, 3, 1);
    view.setEveryXDays(1);
    EXPECT_TRUE(logic.apply().ok());
    EXPECT_EQ(ini("Aktueller Datensatz", "Datum"), "30.11.97");
    // A date the backup run cannot read would stop every backup: one apply repairs it.
    profile.write(kIni, "Aktueller Datensatz", "Datum", "31.02.98");
    EXPECT_TRUE(logic.apply().ok());
    EXPECT_EQ(ini("Aktueller Datensatz", "Datum"), "27.02.98");
}

TEST_F(SetupApply, OneTrailingBackslashIsRemovedAndOnlyFullPathsAreApplied) {
    const char* const root = "Das Verzeichnis f\xFCr die Datens\xE4tze darf nicht das "
                             "Hauptverzeichnis eines Laufwerks sein (z. B. C:\\Talvek95).";
    const struct {
        const char *first, *second,
            *refusal = "Das Verzeichnis f\xFCr die Datens\xE4tze muss ein "
                       "vollst\xE4ndiger Pfad sein (z. B. C:\\Talvek95).";
    } cases[] = {
        {"C:\\Talvek95\\", "C:\\Talvek95"},
        {"C:\\Talvek95\\\\", "C:\\Talvek95\\"},
        {"C:\\", nullptr, root},
        {"d:/", nullptr, root},
        {"D:\\Save", "D:\\Save"},
        {"\\\\srv\\share\\", "\\\\srv\\share"},
        // Relative: the record sets would land wherever the current directory is.
        {"\\", nullptr},
        {"", nullptr},
        {"Talvek95", nullptr},
        {"C:Talvek95", nullptr},
    };
    loadApplied();
    for (const auto& c : cases) {
        view.setBackupDirectory(c.first);
        view.setOkEnabled(true);
        int writes = profile.writeCount;
        AppError applied = logic.apply();
        if (c.second) {
            EXPECT_TRUE(applied.ok()) << c.first;
            EXPECT_EQ(ini("Einstellungen", "Recovery Directory"), c.second) << c.first;
            EXPECT_EQ(view.backupDirectory(), c.second) << c.first;
        } else {
            EXPECT_EQ(applied.text(), c.refusal) << c.first;
            EXPECT_EQ(profile.writeCount, writes) << c.first;
            EXPECT_TRUE(view.okEnabled()) << c.first;
        }
    }
}

// The configuration file is the program's own to read and write whole: no limit of the
// profile functions binds a long list or many record sets any more.
TEST_F(SetupApply, LongListsAndManyRecordSetsAreAppliedClashingNamesAreRefused) {
    const std::string clash = "Der Name RECOVERY.BAT ist schon der Name einer zu sichernden Datei.";
    const std::string same = "Die Protokolldatei und die Batchdatei brauchen verschiedene Namen.";
    struct Row {
        int files, pathLength, maximum;
        std::string expected; // empty: applied
    };
    const Row rows[] = {
        {1200, 105, 1, ""}, {10, 24, 1000, ""}, {1, 24, 3, clash}, {1, 24, 3, same}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.files) + " files, maximum " + std::to_string(row.maximum));
        profile = FakeProfile();
        loadApplied("");
        view.lines.clear();
        for (int i = 0; i < row.files; ++i)
            view.lines.push_back("C:\\" +
                                 std::string(static_cast<std::size_t>(row.pathLength) - 12, 'D') +
                                 "\\" + std::to_string(1000 + i) + ".INI");
        if (row.expected == clash) view.lines[0] = "C:\\DOS\\recovery.bat";
        view.setMaxRecordSets(row.maximum);
        if (row.expected == same) {
            view.setLogName("PPPPPPPPPPPP");
            view.setBatchName("pppppppppppp.");
        }
        int writes = profile.writeCount;
        AppError applied = logic.apply();
        EXPECT_EQ(applied.text(), row.expected);
        if (applied.failed())
            EXPECT_EQ(profile.writeCount, writes);
        else
            EXPECT_EQ(TIniFile(profile, kIni).ReadList("Recovery Files"), view.lines);
    }
}

TEST_F(SetupApply, TheFileListIsRewrittenAsANumberedListWithoutStaleKeys) {
    loadApplied("[Recovery Files]\n0=A\n1=B\n2=C\n3=D\n");
    view.selected = 0;
    logic.deleteFile();
    view.selected = 1;
    logic.deleteFile();
    EXPECT_TRUE(logic.apply().ok());
    std::string text = profile.text(kIni);
    EXPECT_NE(text.find("[Recovery Files]\n0=B\n1=D\n"), std::string::npos) << text;
    EXPECT_EQ(ini("Recovery Files", "2"), "<missing>");
    EXPECT_EQ(ini("Recovery Files", "3"), "<missing>");
}

TEST_F(SetupApply, FieldsAreWrittenAsShownWhetherEnabledOrNot) {
    loadApplied("MAX. Anzahl der Datens\xE4tze=1\nSekunden warten=7\nEigener Schl\xFCssel=x\n");
    view.setBatchFile(false);
    view.setBatchName("");
    EXPECT_TRUE(logic.apply().ok());
    EXPECT_EQ(ini("Einstellungen", "max. Anzahl der Datens\xE4tze"), "2");
    EXPECT_EQ(ini("Einstellungen", "Batchfile"), "0");
    EXPECT_EQ(ini("Einstellungen", "Batchname"), "");
    // The settings go in one write: each key stays where it stood, what the dialog does not
    // show stays as it was.
    const std::string text = profile.text(kIni);
    EXPECT_EQ(text.find("[Einstellungen]\nfirstrun=1\nMAX. Anzahl der Datens\xE4tze=2\n"
                        "Sekunden warten=7\nEigener Schl\xFCssel=x\n"),
              0u)
        << text;
}

TEST_F(SetupApply, AutostartCases) {
    using Access = FakeRegistry::Access;
    const char* const path = "C:\\TALVEK\\TALVEK.EXE";
    const char* const command = "C:\\TALVEK\\TALVEK.EXE -s";
    const char* const refused = "Konnte Daten f\xFCr 'Talvek95' nicht setzen";
    const char* const otherCase = "c:\\talvek\\talvek.exe -s";
    const Access none = Access::None;
    struct Case {
        const char* name;
        bool appliedBefore, checked;
        std::deque<bool> answers;
        bool asked, active;
        const char* module = "C:\\TALVEK\\TALVEK.EXE";
        const char* runValue = "C:\\TALVEK\\TALVEK.EXE -s";
        // At load ("Aktiv" as checked): whether the box says the Run value would not start this
        // program; the value (none when null) and the key's access; the apply's error.
        bool told = false;
        const char* before = "old";
        Access access = Access::Full;
        const char* error = nullptr;
    } cases[] = {
        {"first apply, unchecked, Yes", false, false, {true}, true, true},
        // Unquoted, Windows would split the path at the blank and open the setup dialog.
        {"a path with a blank",
         true,
         true,
         {},
         false,
         true,
         "C:\\Eigene Dateien\\Talvek\\talvek.exe",
         "\"C:\\Eigene Dateien\\Talvek\\talvek.exe\" -s",
         true},
        {"first apply, unchecked, No", false, false, {false}, true, false},
        {"first apply, checked", false, true, {}, false, true},
        {"later apply, unchecked", true, false, {true}, false, false},
        {"later, another program", true, true, {}, false, true, path, command, true},
        {"the Run value gone", true, true, {}, false, true, path, command, true, nullptr},
        {"other letters", true, true, {}, false, true, path, command, false, otherCase},
        {"no Run key", true, true, {}, false, true, path, command, true, nullptr, none, refused},
        {"no key, unchecked", true, false, {}, false, false, path, command, false, nullptr, none},
    };
    for (const Case& c : cases) {
        FakeProfile freshProfile;
        FakeRegistry freshRegistry;
        freshRegistry.addKey(setup::kRunKey);
        if (c.before) freshRegistry.key(setup::kRunKey)->values["talvek95"] = c.before;
        freshRegistry.key(setup::kRunKey)->access = c.access;
        FakeQuestions freshQuestions;
        FakeSetupView fresh;
        SetupLogic freshLogic{fresh, SetupPlatform{freshProfile, freshRegistry, freshQuestions,
                                                   openDialog, folders, system, files, clock}};
        fresh.logic = &freshLogic;
        if (c.appliedBefore)
            freshProfile.load(kIni, std::string("[Einstellungen]\nfirstrun=1\nAktiv=") +
                                        (c.checked ? "1\n" : "0\n"));
        freshQuestions.answers = {false};
        system.module = c.module;
        EXPECT_TRUE(freshLogic.load().ok());
        EXPECT_EQ(freshQuestions.told.size(), c.told ? 1u : 0u) << c.name;
        // Told, ok is enabled so that one apply repairs the entry.
        EXPECT_EQ(fresh.okEnabled(), c.told || !c.appliedBefore) << c.name;
        fresh.setActive(c.checked);
        freshQuestions.asked.clear();
        freshQuestions.answers = c.answers;
        AppError applied = freshLogic.apply();
        EXPECT_EQ(applied.text(), c.error ? c.error : "") << c.name;
        EXPECT_EQ(freshQuestions.asked.size(), c.asked ? 1u : 0u) << c.name;
        EXPECT_EQ(fresh.active(), c.active) << c.name;
        EXPECT_EQ(freshProfile.read(kIni, "Einstellungen", "Aktiv", "", 1024), c.active ? "1" : "0")
            << c.name;
        EXPECT_EQ(freshProfile.read(kIni, "Einstellungen", "firstrun", "", 1024), "1") << c.name;
        EXPECT_EQ(fresh.okEnabled(), applied.failed()) << c.name;
        EXPECT_EQ(freshRegistry.hasValue(setup::kRunKey, "Talvek95"), c.active && !c.error)
            << c.name;
        if (c.active && !c.error) {
            EXPECT_EQ(freshRegistry.value(setup::kRunKey, "Talvek95"), c.runValue) << c.name;
        }
    }
}

TEST_F(SetupApply, ARunKeyOpenedForReadingOnlyReportsTheRegistryError) {
    registry.addKey(setup::kRunKey, FakeRegistry::Access::ReadOnly);
    loadApplied("Aktiv=1\n");
    view.setOkEnabled(true);
    EXPECT_EQ(logic.apply().text(), std::string("Konnte Daten f\xFCr 'Talvek95' nicht setzen"));
    EXPECT_TRUE(view.okEnabled());
    EXPECT_EQ(registry.openKeys, 0) << "the key is closed after the error too";
    EXPECT_EQ(ini("Einstellungen", "firstrun"), "1") << "what was written stays written";

    // Unchecked, a refused deletion is not an error.
    view.setActive(false);
    EXPECT_TRUE(logic.apply().ok());
    EXPECT_FALSE(view.okEnabled());
}

TEST_F(SetupApply, AWriteProtectedFileStopsTheApplyWithTheWriteError) {
    loadApplied();
    profile.setReadOnly(kIni, true);
    view.setActive(true); // aktivate clicked
    logic.changed();
    EXPECT_EQ(logic.apply().text(),
              std::string("nach C:\\WINDOWS\\Talvek95.ini kann nicht geschrieben werden"));
    EXPECT_TRUE(view.okEnabled());
    EXPECT_EQ(registry.opens, 0) << "the autostart is not touched after a failed write";
}

TEST_F(SetupLoad, WithoutTheWindowsDirectoryShowsTheDefaultsAndSaysWhy) {
    profile.load(kIni, "[Einstellungen]\nfirstrun=1\nAlleXTage=9\n");
    files.windowsDir.clear();
    EXPECT_EQ(logic.load().text(), std::string("Konnte Windows Verzeichnis nicht ermitteln"));
    EXPECT_EQ(view.everyXDays(), 1);
    EXPECT_EQ(view.backupDirectory(), "C:\\Talvek95");
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_FALSE(view.okEnabled());
}

TEST_F(SetupApply, WithoutTheWindowsDirectoryNothingIsWritten) {
    loadApplied();
    files.windowsDir = std::string(150, 'W'); // does not fit the 150-character buffer
    view.setOkEnabled(true);
    EXPECT_TRUE(logic.apply().failed());
    EXPECT_EQ(profile.writeCount, 0);
    EXPECT_TRUE(view.okEnabled());
}

} // namespace

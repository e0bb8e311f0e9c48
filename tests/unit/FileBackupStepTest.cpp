#include "StepTestFixture.h"
#include "backup/Crc32.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

struct FileBackupStepTest : StepTest {
    FileBackupStepTest() {
        files.addDirectory("C:\\Talvek95\\061297");
        run.todayDirectory = "C:\\Talvek95\\061297";
        run.todayDirectoryDate = "06.12.97";
    }
    void list(const std::vector<std::string>& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            set("Recovery Files", std::to_string(i), entries[i]);
    }
    const std::vector<std::string>& batch() { return run.recoveryBatch->lines(); }
    const std::string& line(std::size_t i) { return batch().at(i); }
};

TEST_F(FileBackupStepTest, TheHeaderHasItsFixedLinesAndBoxLengths) {
    list({"C:\\MISSING.SYS"});
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_EQ(line(0), "@echo off");
    EXPECT_EQ(line(1), "ECHO .");
    EXPECT_EQ(line(2), "ECHO " + std::string(63, '*'));
    EXPECT_EQ(line(3), "ECHO **  Diese Datei wurde automatisch erstellt von Talvek 95  **");
    EXPECT_EQ(line(6),
              "ECHO **  DIESE DATEI NUR UNTER MS-DOS 7.0 (oder h\xF6her) AUSF\xDCHREN! **");
    EXPECT_EQ(line(7), line(2));
    EXPECT_EQ(line(8), "ECHO .");
    EXPECT_EQ(line(9), "ECHO Dieser Datensatz wurde am 06.12.97 erstellt.");
    EXPECT_EQ(line(10), "ECHO Dieser Datensatz wurde in C:\\Talvek95\\061297 gesichert.");
    EXPECT_EQ(RecoveryBatch(files, "06.12.97", "C:\\100%\\061297").lines()[10],
              "ECHO Dieser Datensatz wurde in C:\\100%%\\061297 gesichert.");
    const std::size_t lengths[] = {68, 65, 68, 65, 68, 68};
    for (std::size_t i = 2; i <= 7; ++i) {
        EXPECT_EQ(line(i).size(), lengths[i - 2]) << i;
        EXPECT_EQ(line(i).substr(line(i).size() - 2), "**") << i;
    }
    for (std::size_t i = 3; i <= 6; ++i)
        EXPECT_EQ(line(i).substr(0, 9), "ECHO **  ") << i;
    // The first entry was not saved: "ECHO ." stays between header and restore lines.
    ASSERT_EQ(batch().size(), 14u);
    EXPECT_EQ(line(11), "ECHO .");
    EXPECT_EQ(line(12), "");
    EXPECT_EQ(line(13), "");
}

TEST_F(FileBackupStepTest, ASavedEntryGetsItsRestoreLinesAndAnAttributeFreeCopy) {
    files.addFile("C:\\MSDOS.SYS", "[Options]", attr::kReadOnly | attr::kHidden | attr::kSystem);
    files.addFile("C:\\CONFIG.SYS", "files=40", 0);
    files.addFile("C:\\AUTOEXEC.BAT", "@echo off", attr::kArchive);
    list({"C:\\MSDOS.SYS", "C:\\CONFIG.SYS", "C:\\AUTOEXEC.BAT"});
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_FALSE(run.stepFailed);
    EXPECT_TRUE(run.savedAnyFile);
    ASSERT_EQ(batch().size(), 20u);
    EXPECT_EQ(line(11), "ATTRIB -R -A -S -H C:\\MSDOS.SYS");
    EXPECT_EQ(line(12), "COPY /-Y C:\\Talvek95\\061297\\MSDOS.SYS C:\\MSDOS.SYS /V");
    EXPECT_EQ(line(13), "ATTRIB +R -A +S +H C:\\MSDOS.SYS");
    EXPECT_EQ(line(16), "ATTRIB -R -A -S -H C:\\CONFIG.SYS");
    EXPECT_EQ(line(19), "ATTRIB -R +A -S -H C:\\AUTOEXEC.BAT");
    EXPECT_EQ(files.attributes("C:\\Talvek95\\061297\\MSDOS.SYS"), 0u);
    EXPECT_EQ(files.attributes("C:\\Talvek95\\061297\\AUTOEXEC.BAT"), 0u);
    EXPECT_EQ(files.attributes("C:\\MSDOS.SYS"), attr::kReadOnly | attr::kHidden | attr::kSystem);
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\MSDOS.SYS"), "[Options]");
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "3 Datei(en) zu sichern.",
                            "Die Datei C:\\MSDOS.SYS wurde erfolgreich gesichert.",
                            "Die Datei C:\\CONFIG.SYS wurde erfolgreich gesichert.",
                            "Die Datei C:\\AUTOEXEC.BAT wurde erfolgreich gesichert.",
                        }));
    EXPECT_EQ(get("06.12.97", "Datei1"), "C:\\MSDOS.SYS");
    EXPECT_EQ(get("06.12.97", "Datei3"), "C:\\AUTOEXEC.BAT");
}

TEST_F(FileBackupStepTest, AMissingEntryLeavesAGapInKeysAndEmptyBatchLines) {
    std::vector<std::string> entries;
    for (int i = 1; i <= 10; ++i) {
        std::string path = "C:\\F" + std::to_string(i) + ".TXT";
        entries.push_back(path);
        if (i != 4) files.addFile(path);
    }
    list(entries);
    EXPECT_TRUE(backupFiles(run).ok());
    ASSERT_EQ(view.log.size(), 11u);
    EXPECT_EQ(view.log[0], "10 Datei(en) zu sichern.");
    EXPECT_EQ(view.log[4], "Die Datei C:\\F4.TXT konnte nicht gesichert werden.");
    EXPECT_EQ(view.log[5], "Die Datei C:\\F5.TXT wurde erfolgreich gesichert.");
    EXPECT_TRUE(run.stepFailed);
    EXPECT_EQ(run.errorText, "Die Datei C:\\F4.TXT konnte nicht gesichert werden.");
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(get("06.12.97", "Datei" + std::to_string(i)),
                  i == 4 ? "<none>" : "C:\\F" + std::to_string(i) + ".TXT");
    ASSERT_EQ(batch().size(), 41u);
    for (std::size_t i = 20; i <= 22; ++i)
        EXPECT_EQ(line(i), "") << i;
    EXPECT_EQ(line(23), "ATTRIB -R -A -S -H C:\\F5.TXT");
    EXPECT_EQ(line(25), "ATTRIB -R +A -S -H C:\\F5.TXT");
    EXPECT_EQ(line(13), "ATTRIB -R +A -S -H C:\\F1.TXT");
}

TEST_F(FileBackupStepTest, EveryCopyIsCheckedAgainstItsSourceWhateverHoldsIt) {
    const std::string big(200 * 1024 + 7, 'B');
    struct Row {
        const char* what;
        std::string entry, content;
        const char* failure;          // nullptr: saved
        int copies;                   // how often the run copied it
        const char* cached = nullptr; // the newer text Windows holds of the ini file
    };
    const Row rows[] = {
        {"damaged copy", "C:\\CONFIG.SYS", "files=40",
         "Die Kopie der Datei C:\\CONFIG.SYS stimmt nicht mit dem Original \xFC"
         "berein.",
         2},
        {"source written once during the copy", "C:\\WINDOWS\\WIN.INI", "[windows]", nullptr, 2},
        {"source written during every copy", "C:\\WINDOWS\\SYSTEM.INI", "[boot]",
         "Die Datei C:\\WINDOWS\\SYSTEM.INI wurde w\xE4hrend der Sicherung ver\xE4ndert.", 3},
        {"source held open for writing", "C:\\WINDOWS\\USER.DAT", "registry", nullptr, 1},
        {"source larger than one piece", "C:\\WINDOWS\\SYSTEM.DAT", big, nullptr, 1},
        {"WIN.INI as Windows holds it", "C:\\WINDOWS\\WIN.INI", "[windows]", nullptr, 1,
         "[windows]\r\nrun=CLOCK.EXE"},
        {"a private ini file as Windows holds it", "C:\\ALT\\WIN.INI", "[a]", nullptr, 1, "[b]"},
        {"named like the protocol", "C:\\DATEN\\protocol.txt", "notes",
         "Die Datei C:\\DATEN\\protocol.txt hat den Namen der Protokoll- oder Batchdatei und "
         "wird nicht gesichert.",
         0},
        {"named like the protocol with a trailing dot", "C:\\DATEN\\PROTOCOL.TXT.", "notes",
         "Die Datei C:\\DATEN\\PROTOCOL.TXT. hat den Namen der Protokoll- oder Batchdatei und "
         "wird nicht gesichert.",
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        files = FakeFileSystem();
        files.addDirectory("C:\\Talvek95\\061297");
        files.addFile(row.entry, row.content);
        const std::string copy =
            "C:\\Talvek95\\061297\\" + row.entry.substr(row.entry.rfind('\\') + 1);
        const std::string key = FakeFileSystem::key(row.entry);
        if (row.copies == 2 && !row.failure) files.changingSources[key] = 1;
        if (row.copies == 3) files.changingSources[key] = 3;
        if (row.failure && row.copies == 2) files.damagedCopies.insert(FakeFileSystem::key(copy));
        if (row.copies == 1 && row.content == "registry") files.heldOpen.insert(key);
        if (row.cached) files.profileCache[key] = row.cached;
        const int changes = files.changingSources[key];
        run.failures.clear();
        run.savedCopies.clear();
        list({row.entry});
        EXPECT_TRUE(backupFiles(run).ok());
        int copies = 0;
        for (const std::string& call : files.calls)
            copies += call.rfind("create ", 0) == 0;
        EXPECT_EQ(copies, row.copies);
        // One pass: each try reads the source once and reads its copy back once, unless the
        // source changed under way.
        EXPECT_EQ(files.readings[key], row.copies);
        EXPECT_EQ(files.readings[FakeFileSystem::key(copy)], row.copies - changes);
        // No file is ever read whole: a run's memory does not grow with the file's size.
        EXPECT_LE(files.largestRead, 64u * 1024u);
        if (row.failure) {
            EXPECT_EQ(run.failures, std::vector<std::string>{row.failure});
            EXPECT_FALSE(files.exists(copy)) << "no copy that differs from its source stays";
            EXPECT_EQ(line(12), "") << "no restore line for it";
        } else {
            EXPECT_EQ(run.failures, std::vector<std::string>{});
            EXPECT_EQ(files.content(copy), files.content(row.entry));
            if (row.cached) {
                EXPECT_EQ(files.content(copy), row.cached);
            }
            EXPECT_EQ(get("06.12.97", "CRC1"), crcText(crc32(files.content(row.entry))));
        }
    }
}

TEST_F(FileBackupStepTest, AnEmptyListIsAFailureAndLeavesTheHeaderOnly) {
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_EQ(view.log,
              (std::vector<std::string>{
                  "0 Datei(en) zu sichern.",
                  "Es befinden sich keine Eintr\xE4ge in der Liste der zu sichernden Dateien"}));
    EXPECT_TRUE(run.stepFailed);
    EXPECT_EQ(run.errorText,
              "Es befinden sich keine Eintr\xE4ge in der Liste der zu sichernden Dateien");
    EXPECT_EQ(batch().size(), 11u);
    EXPECT_FALSE(run.savedAnyFile);
}

TEST_F(FileBackupStepTest, AGapOrERRORValueEndsTheFileList) {
    files.addFile("C:\\A.TXT");
    files.addFile("C:\\B.TXT");
    files.addFile("C:\\D.TXT");
    load("[Recovery Files]\n0=C:\\A.TXT\n1=C:\\B.TXT\n3=C:\\D.TXT\n");
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_EQ(view.log[0], "2 Datei(en) zu sichern.");
    EXPECT_FALSE(files.exists("C:\\Talvek95\\061297\\D.TXT"));
}

TEST_F(FileBackupStepTest, DuplicateNamesGetFoldersOfTheirOwnAndExistingCopiesStay) {
    files.addFile("C:\\A\\X.INI", "first");
    files.addFile("C:\\B\\X.INI", "second");
    // A file already at the copy's place keeps its attributes: it is not the run's copy.
    files.addFile("C:\\Talvek95\\061297\\Y.INI", "earlier run", attr::kReadOnly);
    files.addFile("C:\\Y.INI", "now");
    list({"C:\\A\\X.INI", "C:\\B\\X.INI", "C:\\Y.INI", "C:\\D\\x.ini"});
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_EQ(view.log[2], "Die Datei C:\\B\\X.INI wurde erfolgreich gesichert.");
    EXPECT_EQ(view.log[3], "Die Datei C:\\Y.INI konnte nicht gesichert werden.");
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\X.INI"), "first");
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\DATEI2\\X.INI"), "second");
    EXPECT_EQ(line(15), "COPY /-Y C:\\Talvek95\\061297\\DATEI2\\X.INI C:\\B\\X.INI /V");
    EXPECT_FALSE(files.exists("C:\\Talvek95\\061297\\DATEI4")) << "no folder for a failed copy";
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\Y.INI"), "earlier run");
    EXPECT_EQ(files.attributes("C:\\Talvek95\\061297\\Y.INI"), attr::kReadOnly);
    EXPECT_EQ(get("06.12.97", "Kopie2") + get("06.12.97", "Kopie1"), "DATEI2\\X.INI<none>");
    EXPECT_EQ(run.errorText, "Die Datei C:\\D\\x.ini konnte nicht gesichert werden.");
}

TEST_F(FileBackupStepTest, NamesThatLeaveTodaysDirectoryAreNotCopied) {
    files.addFile("C:\\WINDOWS\\WIN.INI");
    list({"C:\\WINDOWS\\", "C:\\WINDOWS\\..", "C:/WINDOWS/WIN.INI"});
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_EQ(view.log[1], "Die Datei C:\\WINDOWS\\ konnte nicht gesichert werden.");
    EXPECT_EQ(view.log[2], "Die Datei C:\\WINDOWS\\.. konnte nicht gesichert werden.");
    EXPECT_EQ(view.log[3], "Die Datei C:/WINDOWS/WIN.INI wurde erfolgreich gesichert.");
    EXPECT_TRUE(files.exists("C:\\Talvek95\\061297\\WIN.INI"));
    for (const std::string& call : files.calls)
        EXPECT_EQ(call.find("C:\\Talvek95\\061297\\.."), std::string::npos) << call;
}

TEST_F(FileBackupStepTest, LongPathsBecomeShortPathsOrQuotedInRestoreLines) {
    files.addFile("C:\\Program Files\\Tool\\settings.conf", "a", 0);
    files.addFile("C:\\Eigene Dateien\\liste.txt", "b", 0);
    files.addFile("C:\\WINDOWS\\100%.INI", "c", 0);
    files.addFile("C:\\Eigene Dateien\\50% mehr.txt", "d", 0);
    files.shortNames["c:\\program files\\tool\\settings.conf"] = "C:\\PROGRA~1\\TOOL\\SETTIN~1.CON";
    files.shortNames["c:\\talvek95\\061297\\settings.conf"] = "C:\\TALVEK95\\061297\\SETTIN~1.CON";
    list({"C:\\Program Files\\Tool\\settings.conf", "C:\\Eigene Dateien\\liste.txt",
          "C:\\WINDOWS\\100%.INI", "C:\\Eigene Dateien\\50% mehr.txt"});
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_EQ(line(11), "ATTRIB -R -A -S -H C:\\PROGRA~1\\TOOL\\SETTIN~1.CON");
    EXPECT_EQ(line(12),
              "COPY /-Y C:\\TALVEK95\\061297\\SETTIN~1.CON C:\\PROGRA~1\\TOOL\\SETTIN~1.CON /V");
    EXPECT_EQ(line(13), "ATTRIB -R -A -S -H C:\\PROGRA~1\\TOOL\\SETTIN~1.CON");
    // No short name to be had: the long path in quotes.
    EXPECT_EQ(line(14), "ATTRIB -R -A -S -H \"C:\\Eigene Dateien\\liste.txt\"");
    EXPECT_EQ(line(15),
              "COPY /-Y C:\\Talvek95\\061297\\liste.txt \"C:\\Eigene Dateien\\liste.txt\" /V");
    // COMMAND.COM reads "%%" as "%", quoted or not.
    EXPECT_EQ(line(18), "COPY /-Y C:\\Talvek95\\061297\\100%%.INI C:\\WINDOWS\\100%%.INI /V");
    EXPECT_EQ(line(20), "ATTRIB -R -A -S -H \"C:\\Eigene Dateien\\50%% mehr.txt\"");
    // The log and the keys keep the entries as listed.
    EXPECT_EQ(get("06.12.97", "Datei1"), "C:\\Program Files\\Tool\\settings.conf");
}

TEST_F(FileBackupStepTest, AMissingTodaysDirectoryFailsEveryCopy) {
    run.todayDirectory = "D:\\Sich\\061297";
    files.addFile("C:\\A.TXT");
    list({"C:\\A.TXT"});
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_EQ(view.log[1], "Die Datei C:\\A.TXT konnte nicht gesichert werden.");
    EXPECT_FALSE(run.savedAnyFile);
}

TEST_F(FileBackupStepTest, ListsBeyondTheOldTableSizesAreSavedWhole) {
    std::vector<std::string> entries;
    for (int i = 0; i < 1200; ++i) {
        entries.push_back("C:\\DATA\\F" + std::to_string(i) + ".DAT");
        files.addFile(entries.back());
    }
    list(entries);
    EXPECT_TRUE(backupFiles(run).ok());
    EXPECT_FALSE(run.stepFailed);
    ASSERT_EQ(batch().size(), 11u + 3 * 1200);
    EXPECT_EQ(batch().back(), "ATTRIB -R +A -S -H C:\\DATA\\F1199.DAT");
    EXPECT_EQ(get("06.12.97", "Datei1200"), "C:\\DATA\\F1199.DAT");
}

TEST(AttributeText, ListsReadOnlyArchiveSystemHiddenInThisOrder) {
    EXPECT_EQ(attributeText(0), "-R -A -S -H ");
    EXPECT_EQ(attributeText(attr::kReadOnly | attr::kSystem | attr::kHidden), "+R -A +S +H ");
    EXPECT_EQ(attributeText(attr::kArchive), "-R +A -S -H ");
    EXPECT_EQ(attributeText(0x80 | attr::kDirectory), "-R -A -S -H ");
}

} // namespace

#include "StepTestFixture.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

// A details box that wraps its lines at a fixed width, as the window's box does.
struct WrappingView : FakeProgressView {
    std::vector<std::string> wrappedAsShown(const std::vector<std::string>& lines) override {
        std::vector<std::string> result;
        for (const std::string& line : lines)
            for (std::size_t at = 0; at == 0 || at < line.size(); at += 20)
                result.push_back(line.substr(at, 20));
        return result;
    }
};

struct ProtocolAndBatchStepTest : StepTest {
    ProtocolAndBatchStepTest() {
        files.addDirectory("C:\\Talvek95\\061297");
        run.todayDirectory = "C:\\Talvek95\\061297";
        run.recoveryBatch = std::make_unique<RecoveryBatch>(files, "06.12.97", run.todayDirectory);
        run.recoveryBatch->skip();
        run.savedAnyFile = true;
        run.log("Datum: 06.12.97");
        run.log("Die Datens\xE4tze wurden aktualisiert.");
    }
    static std::string crlf(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines)
            text += l + "\r\n";
        return text;
    }
};

TEST_F(ProtocolAndBatchStepTest, WritesBothFilesAndRecordsTheirNames) {
    EXPECT_TRUE(writeProtocolAndBatch(run).ok());
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\PROTOCOL.TXT"),
              "Datum: 06.12.97\r\nDie Datens\xE4tze wurden aktualisiert.\r\n");
    // The batch in code page 850, where COMMAND.COM finds the header's "ö" and "Ü".
    std::string oem = crlf(run.recoveryBatch->lines());
    for (char& c : oem)
        c = c == '\xF6' ? '\x94' : c == '\xDC' ? '\x9A' : c;
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\recovery.bat"), oem);
    EXPECT_EQ(get("06.12.97", "LogFile"), "PROTOCOL.TXT");
    EXPECT_EQ(get("06.12.97", "RecFile"), "RECOVERY.BAT");
    EXPECT_FALSE(run.stepFailed);
    EXPECT_EQ(view.log.size(), 2u) << "the step adds no line of its own";
    // The batch: 11 header lines and 3 per entry, the empty ones included.
    std::string batch = files.content("C:\\Talvek95\\061297\\RECOVERY.BAT");
    EXPECT_EQ(batch.substr(batch.size() - 12), "ECHO .\r\n\r\n\r\n");
}

TEST_F(ProtocolAndBatchStepTest, TheNamesOfTheSettingsAreUsed) {
    set("Einstellungen", "Logname", "LOG.TXT");
    set("Einstellungen", "Batchname", "RESTORE.BAT");
    EXPECT_TRUE(writeProtocolAndBatch(run).ok());
    EXPECT_TRUE(files.exists("C:\\Talvek95\\061297\\LOG.TXT"));
    EXPECT_TRUE(files.exists("C:\\Talvek95\\061297\\RESTORE.BAT"));
    EXPECT_FALSE(files.exists("C:\\Talvek95\\061297\\PROTOCOL.TXT"));
    EXPECT_EQ(get("06.12.97", "LogFile"), "LOG.TXT");
    EXPECT_EQ(get("06.12.97", "RecFile"), "RESTORE.BAT");
}

TEST_F(ProtocolAndBatchStepTest, SwitchedOffFilesAreNeitherWrittenNorRecorded) {
    struct Case {
        const char* logFlag;
        const char* batchFlag;
        bool protocol, batch;
        bool saved = true; // a run that saved nothing writes neither file
    };
    for (const Case& c :
         {Case{"0", "1", false, true}, Case{"1", "0", true, false}, Case{"0", "0", false, false},
          Case{"yes", "2", true, true}, Case{"1", "1", false, false, false}}) {
        run.savedAnyFile = c.saved;
        profile.removeSection(kIni, "06.12.97");
        files.deleteFile("C:\\Talvek95\\061297\\PROTOCOL.TXT");
        files.deleteFile("C:\\Talvek95\\061297\\recovery.bat");
        set("Einstellungen", "Logfile", c.logFlag);
        set("Einstellungen", "Batchfile", c.batchFlag);
        EXPECT_TRUE(writeProtocolAndBatch(run).ok());
        EXPECT_EQ(files.exists("C:\\Talvek95\\061297\\PROTOCOL.TXT"), c.protocol) << c.logFlag;
        EXPECT_EQ(files.exists("C:\\Talvek95\\061297\\recovery.bat"), c.batch) << c.batchFlag;
        EXPECT_EQ(get("06.12.97", "LogFile") != "<none>", c.protocol && c.saved);
        EXPECT_EQ(get("06.12.97", "RecFile") != "<none>", c.batch && c.saved);
    }
    // Nothing registers it, so the directory it made would never go; one it found stays.
    EXPECT_TRUE(files.exists("C:\\Talvek95\\061297"));
    run.madeTodayDirectory = true;
    EXPECT_TRUE(writeProtocolAndBatch(run).ok());
    EXPECT_FALSE(files.exists("C:\\Talvek95\\061297"));
}

TEST_F(ProtocolAndBatchStepTest, TheProtocolHoldsTheLinesAsTheBoxShowsThem) {
    WrappingView wrapping;
    RunContext wrapped{wrapping, RunPlatform{files, profile, clock, locks}};
    wrapped.log("kurz");
    wrapped.log(std::string(45, 'a'));
    wrapped.ini = std::make_unique<TIniFile>(profile, kIni);
    wrapped.todayDirectory = run.todayDirectory;
    wrapped.savedAnyFile = true;
    set("Einstellungen", "Batchfile", "0");
    wrapped.settings = run.settings;
    EXPECT_TRUE(writeProtocolAndBatch(wrapped).ok());
    EXPECT_EQ(files.content("C:\\Talvek95\\061297\\PROTOCOL.TXT"),
              "kurz\r\n" + std::string(20, 'a') + "\r\n" + std::string(20, 'a') + "\r\naaaaa\r\n");
}

TEST_F(ProtocolAndBatchStepTest, NamesThatLeaveTheDirectoryAreRefused) {
    files.addFile("C:\\AUTOEXEC.BAT", "keep");
    set("Einstellungen", "Logname", "..\\..\\AUTOEXEC.BAT");
    set("Einstellungen", "Batchname", "..");
    EXPECT_TRUE(writeProtocolAndBatch(run).ok());
    EXPECT_EQ(files.content("C:\\AUTOEXEC.BAT"), "keep");
    ASSERT_EQ(view.log.size(), 4u);
    EXPECT_EQ(view.log[2], "Der Dateiname ..\\..\\AUTOEXEC.BAT ist ung\xFCltig.");
    EXPECT_EQ(view.log[3], "Der Dateiname .. ist ung\xFCltig.");
    EXPECT_TRUE(run.stepFailed);
    EXPECT_EQ(run.errorText, "Der Dateiname .. ist ung\xFCltig.");
    EXPECT_EQ(get("06.12.97", "LogFile"), "<none>");
    EXPECT_EQ(get("06.12.97", "RecFile"), "<none>");
    for (const std::string& call : files.calls)
        EXPECT_NE(call.rfind("write", 0), 0u) << call;
}

TEST_F(ProtocolAndBatchStepTest, WriteFailuresAreReportedAndOnlyExistingFilesRecorded) {
    files.addFile("C:\\Talvek95\\061297\\recovery.bat", "old", attr::kReadOnly);
    files.unwritable.insert("c:\\talvek95\\061297\\protocol.txt");
    EXPECT_TRUE(writeProtocolAndBatch(run).ok());
    ASSERT_EQ(view.log.size(), 4u);
    EXPECT_EQ(view.log[2],
              "Die Datei C:\\Talvek95\\061297\\PROTOCOL.TXT konnte nicht geschrieben werden.");
    EXPECT_EQ(view.log[3],
              "Die Datei C:\\Talvek95\\061297\\RECOVERY.BAT konnte nicht geschrieben werden.");
    EXPECT_EQ(run.errorText, view.log[3]);
    EXPECT_EQ(get("06.12.97", "LogFile"), "<none>");
    EXPECT_EQ(get("06.12.97", "RecFile"), "RECOVERY.BAT") << "the old batch still exists";
}

TEST_F(ProtocolAndBatchStepTest, AMissingDirectoryIsAWriteFailure) {
    run.todayDirectory = "D:\\Sich\\061297";
    EXPECT_TRUE(writeProtocolAndBatch(run).ok());
    EXPECT_TRUE(run.stepFailed);
    EXPECT_EQ(run.errorText,
              "Die Datei D:\\Sich\\061297\\RECOVERY.BAT konnte nicht geschrieben werden.");
    EXPECT_FALSE(profile.hasSection(kIni, "06.12.97"));
}

} // namespace

#include "StepTestFixture.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

using DirectoryStepTest = StepTest;

TEST_F(DirectoryStepTest, FirstRunCreatesBothDirectoriesAndRecordsTheSection) {
    createDirectories(run);
    EXPECT_TRUE(files.directoryExists("C:\\Talvek95\\061297"));
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "Verzeichnis f\xFCr Datens\xE4tze erfolgreich erstellt.",
                            "Heutiges Verzeichnis: C:\\Talvek95\\061297",
                            "Heutiges Verzeichnis erfolgreich erstellt.",
                        }));
    EXPECT_FALSE(run.stepFailed);
    EXPECT_EQ(run.todayDirectory, "C:\\Talvek95\\061297");
    EXPECT_EQ(ini(), "") << "the record set section comes once its files are copied";
}

TEST_F(DirectoryStepTest, ALaterDayCreatesOnlyTodaysDirectory) {
    files.addDirectory("C:\\Talvek95\\041297");
    createDirectories(run);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "Heutiges Verzeichnis: C:\\Talvek95\\061297",
                            "Heutiges Verzeichnis erfolgreich erstellt.",
                        }));
}

TEST_F(DirectoryStepTest, ASecondRunOnTheSameDayLeavesTheSectionAlone) {
    files.addDirectory("C:\\Talvek95\\061297");
    load("[06.12.97]\nDirectory=C:\\Talvek95\\061297\nDatum=06.12.97\nDatei1=C:\\X\n");
    std::string before = ini();
    createDirectories(run);
    EXPECT_EQ(view.log, std::vector<std::string>{"Heutiges Verzeichnis: C:\\Talvek95\\061297"});
    EXPECT_FALSE(run.stepFailed);
    EXPECT_EQ(ini(), before);
}

TEST_F(DirectoryStepTest, AMissingParentFailsBoth) {
    run.backupDirectory = "D:\\Sich\\Talvek95";
    createDirectories(run);
    EXPECT_EQ(view.log,
              (std::vector<std::string>{
                  "Das Verzeichnis f\xFCr die Datens\xE4tze konnte nicht erstellt werden!",
                  "Heutiges Verzeichnis: D:\\Sich\\Talvek95\\061297",
                  "Das Verzeichnis f\xFCr den heutigen Datensatz konnte nicht erstellt werden!"}));
    EXPECT_TRUE(run.stepFailed);
    EXPECT_EQ(run.errorText,
              "Das Verzeichnis f\xFCr den heutigen Datensatz konnte nicht erstellt werden!");
}

TEST_F(DirectoryStepTest, AFileInTheWayOfTheBackupDirectoryFailsBoth) {
    files.addFile("C:\\Talvek95", "");
    createDirectories(run);
    EXPECT_EQ(view.log[1], "Heutiges Verzeichnis: C:\\Talvek95\\061297");
    EXPECT_TRUE(run.stepFailed);
    // One flag covers both directories; the second message is the one shown.
    EXPECT_EQ(run.errorText,
              "Das Verzeichnis f\xFCr den heutigen Datensatz konnte nicht erstellt werden!");
    EXPECT_TRUE(files.fileExists("C:\\Talvek95"));
}

TEST_F(DirectoryStepTest, ABackupDirectoryThatIsNoFullPathCreatesNothing) {
    // Relative to whatever the current directory is at Windows start: the root of C: say.
    for (const char* relative :
         {"", "ERROR", "Talvek95", "\\Talvek95", "C:Talvek95", "\\\\srv", "C:", "C:\\", "d:/"}) {
        run.backupDirectory = relative;
        run.stepFailed = false;
        createDirectories(run);
        EXPECT_TRUE(run.stepFailed) << relative;
        EXPECT_EQ(run.errorText,
                  "Das Verzeichnis f\xFCr die Datens\xE4tze konnte nicht erstellt werden!");
        EXPECT_EQ(run.todayDirectory, "") << relative;
    }
    EXPECT_TRUE(files.calls.empty());
    EXPECT_EQ(view.log.size(), 9u) << "each reason in the details log";
}

} // namespace

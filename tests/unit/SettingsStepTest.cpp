#include "StepTestFixture.h"

#include <optional>

using namespace talvek;
using namespace talvek::testing;

namespace {

// The due check's answer, or none when it found no date.
std::optional<bool> due(const std::string& last, int everyXDays, const Date& today) {
    bool isDue = false;
    if (isBackupDue(last, everyXDays, today, isDue).failed()) return std::nullopt;
    return isDue;
}

struct DueCase {
    const char* last;
    int everyXDays;
    Date today;
    bool due;
};

TEST(DueCheck, ComparesTheLastDateWithTheThreshold) {
    const Date t{1997, 12, 6};
    const DueCase cases[] = {
        {"05.12.97", 1, t, true},
        {"06.12.97", 1, t, false},
        {"29.11.97", 7, t, true},
        {"30.11.97", 7, t, false},
        {"06.12.97", 0, t, true},
        {"06.12.97", -3, t, true},
        {"01.01.50", 1, t, true},            // the default, read as 1950
        {"07.12.97", 1, t, true},            // after today: a wrong clock must not block backups
        {"06.12.98", 400, t, true},          // likewise
        {"01.01.50", 1, {2026, 5, 1}, true}, // the default read as 2050
        {"01.05.26", 1, {2026, 5, 1}, false},
        // Around 2000 the threshold's two digits are read in the current century.
        {"02.01.00", 5, {2000, 1, 2}, true},
        {"01.01.00", 1, {2000, 1, 2}, true},
        {"02.01.00", 1, {2000, 1, 2}, false},
        {"31.12.99", 1, {2100, 1, 1}, true}, // read as 2199: after today
        {"31.12.99", 1, {2099, 12, 31}, false},
        {"30.12.99", 1, {2099, 12, 31}, true},
        // Whole 400-year cycles give the same threshold text.
        {"06.12.97", 146097, t, true},
        {"05.12.97", 146097 * 3 + 1, t, true},
        {"06.12.97", 146097 * 3 + 1, t, false},
    };
    for (const DueCase& c : cases)
        EXPECT_EQ(due(c.last, c.everyXDays, c.today), std::optional<bool>(c.due))
            << c.last << " every " << c.everyXDays << " days, today " << formatDateText(c.today);
}

TEST(DueCheck, ExtremeIntervalsNeitherOverflowNorThrow) {
    for (int days : {2147483647, -2147483647 - 1, 1000000, -1000000})
        EXPECT_TRUE(due("06.12.97", days, Date{1997, 12, 6}).has_value()) << days;
}

TEST(DueCheck, AThresholdOnAMissingLeapDayIsStillReadable) {
    // 36525 days before 1 March 2100 is 29 February 2000, whose text reads as 2100.
    Date today{2100, 2, 28};
    long days = today.serial() - Date{2000, 2, 29}.serial();
    EXPECT_TRUE(due("01.01.00", static_cast<int>(days), today).has_value());
}

TEST(DueCheck, AnUnreadableLastDateRaisesTheConversionError) {
    for (const char* bad : {"", "06.12.", "31.02.97", "N/A"}) {
        bool isDue = false;
        EXPECT_EQ(isBackupDue(bad, 1, Date{1997, 12, 6}, isDue).text(),
                  std::string("'") + bad + "' ist kein g\xFCltiges Datum");
    }
}

struct SettingsStepTest : StepTest {
    SettingsStepTest() {
        run.ini.reset();
        run.windowsDirectory.clear();
        run.backupDirectory.clear();
    }
    // Step 1's outcome; its error, if any, in `error`.
    SettingsOutcome settle() {
        SettingsOutcome outcome = SettingsOutcome::Due;
        error = loadSettings(run, outcome).text();
        return outcome;
    }
    std::string error;
};

TEST_F(SettingsStepTest, MissingConfigurationFileEndsTheStepWithoutAnyAccess) {
    files.deleteFile(kIni);
    EXPECT_EQ(settle(), SettingsOutcome::ConfigurationMissing);
    EXPECT_EQ(profile.writeCount, 0);
    EXPECT_EQ(run.ini, nullptr);
    EXPECT_EQ(missingConfigurationMessage("C:\\WINDOWS"),
              "Ini Datei \"C:\\WINDOWS\\Talvek95.ini\" wurde nicht gefunden!\n\r"
              "Bitte f\xFChren sie zuerst Setup aus.");
}

TEST_F(SettingsStepTest, ADueRunRecordsTodayAtOnceAndReadsTheBackupDirectory) {
    load("[Einstellungen]\nRecovery Directory=D:\\Sich\n[Aktueller Datensatz]\nDatum=04.12.97\n");
    EXPECT_EQ(settle(), SettingsOutcome::Due);
    EXPECT_EQ(get("Aktueller Datensatz", "Datum"), "06.12.97");
    EXPECT_EQ(run.backupDirectory, "D:\\Sich");
    EXPECT_EQ(run.windowsDirectory, "C:\\WINDOWS");
    EXPECT_FALSE(run.stepFailed);

    addHeaderLines(run);
    ASSERT_EQ(view.log.size(), 4u);
    EXPECT_EQ(view.log[0].rfind("Talvek 95  -  ", 0), 0u);
    EXPECT_GT(view.log[0].size(), 14u);
    EXPECT_EQ(view.log[1], "Datum: 06.12.97");
    EXPECT_EQ(view.log[2], "Windows Verzeichnis: C:\\WINDOWS");
    EXPECT_EQ(view.log[3], "Verzeichnis f\xFCr Datens\xE4tze: D:\\Sich");
}

TEST_F(SettingsStepTest, NotDueWritesNothing) {
    load("[Einstellungen]\nAlleXTage=7\n[Aktueller Datensatz]\nDatum=30.11.97\n");
    int writes = profile.writeCount;
    EXPECT_EQ(settle(), SettingsOutcome::NotDue);
    EXPECT_EQ(profile.writeCount, writes);
    EXPECT_EQ(get("Aktueller Datensatz", "Datum"), "30.11.97");
}

TEST_F(SettingsStepTest, AMissingBackupDirectoryIsReportedAndUsedAsERROR) {
    load("[Aktueller Datensatz]\nDatum=01.12.97\n");
    EXPECT_EQ(settle(), SettingsOutcome::Due);
    EXPECT_TRUE(run.stepFailed);
    EXPECT_EQ(run.errorText, "Fehler beim Lesen aus der Ini Datei!");
    EXPECT_EQ(run.backupDirectory, "ERROR");
}

TEST_F(SettingsStepTest, AnUnreadableDateStopsBeforeAnythingIsWritten) {
    load("[Einstellungen]\nRecovery Directory=C:\\Talvek95\n[Aktueller "
         "Datensatz]\nDatum=31.02.97\n");
    int writes = profile.writeCount;
    settle();
    EXPECT_EQ(error, "'31.02.97' ist kein g\xFCltiges Datum");
    EXPECT_EQ(profile.writeCount, writes);
}

TEST_F(SettingsStepTest, AWriteProtectedFileRaisesTheWriteError) {
    load("[Aktueller Datensatz]\nDatum=01.12.97\n");
    profile.setReadOnly(kIni, true);
    settle();
    EXPECT_EQ(error, "nach C:\\WINDOWS\\Talvek95.ini kann nicht geschrieben werden");
}

TEST_F(SettingsStepTest, AnUnknownWindowsDirectoryIsReportedAndTheRunGoesOn) {
    files.windowsDir = std::string(150, 'W'); // does not fit the buffer of 150
    files.addFile("\\Talvek95.ini", "");
    profile.load("\\Talvek95.ini", "[Aktueller Datensatz]\nDatum=06.12.97\n");
    EXPECT_EQ(settle(), SettingsOutcome::NotDue);
    EXPECT_TRUE(run.stepFailed);
    EXPECT_EQ(run.errorText, "Konnte Windows Verzeichnis nicht ermitteln");
}

} // namespace

#include <gtest/gtest.h>

#include "config/Error.h"
#include "config/Settings.h"
#include "unit/SetupFixture.h"

using namespace talvek;
using namespace talvek::testing;
using setup::HintSource;

namespace {

using SetupEdit = SetupFixture;

TEST(SetupFolderPart, IsTheTextUpToTheLastBackslashOrColon) {
    EXPECT_EQ(folderPart("C:\\WINDOWS\\WIN.INI"), "C:\\WINDOWS\\");
    EXPECT_EQ(folderPart("C:\\CONFIG.SYS"), "C:\\");
    EXPECT_EQ(folderPart("C:CONFIG.SYS"), "C:");
    EXPECT_EQ(folderPart("\\\\server\\share\\a.ini"), "\\\\server\\share\\");
    EXPECT_EQ(folderPart("CONFIG.SYS"), "");
}

TEST_F(SetupEdit, AddOpensInTheLoadedBackupDirectoryAndAppendsTheChoice) {
    loadApplied("Recovery Directory=D:\\SAVE\n[Recovery Files]\n0=C:\\A.INI\n");
    view.setBackupDirectory("E:\\OTHER");
    view.setOkEnabled(false);
    openDialog.choice = "C:\\NEU\\MISSING.TXT";
    EXPECT_TRUE(logic.addFile().ok());
    ASSERT_EQ(openDialog.shownIn.size(), 1u);
    EXPECT_EQ(openDialog.shownIn[0], "D:\\SAVE");
    EXPECT_EQ(openDialog.shownWithFile[0], "");
    EXPECT_EQ(view.lines, (std::vector<std::string>{"C:\\A.INI", "C:\\NEU\\MISSING.TXT"}));
    EXPECT_EQ(view.selected, -1);
    EXPECT_TRUE(view.okEnabled());

    // A file of a listed name part, from any folder and in any case, is saved beside the
    // first. The dialog offers the last name in its folder.
    openDialog.choice = "D:\\ALT\\missing.txt";
    EXPECT_TRUE(logic.addFile().ok());
    view.lines.pop_back();
    EXPECT_EQ(openDialog.shownIn[1], "D:\\SAVE");
    EXPECT_EQ(openDialog.shownWithFile[1], "MISSING.TXT");
    // The protocol or the batch would overwrite its copy; switched off, neither is written.
    openDialog.choice = "C:\\DATEN\\protocol.txt";
    EXPECT_EQ(logic.addFile().text(),
              "Die Datei protocol.txt hat den Namen der Protokoll- oder Batchdatei.");
    view.setBatchFile(false);
    openDialog.choice = "C:\\DATEN\\RECOVERY.BAT";
    EXPECT_TRUE(logic.addFile().ok());
    view.lines.pop_back();
    EXPECT_EQ(view.lines.size(), 2u);
    EXPECT_TRUE(logic.apply().ok());
    EXPECT_EQ(ini("Recovery Files", "1"), "C:\\NEU\\MISSING.TXT");
    EXPECT_EQ(ini("Recovery Files", "2"), "<missing>");
}

TEST_F(SetupEdit, AddStartsInTheSelectedLinesFolderWhichThenStays) {
    loadApplied("[Recovery Files]\n0=C:\\CONFIG.SYS\n1=C:\\WINDOWS\\WIN.INI\n");
    view.selected = 1;
    EXPECT_TRUE(logic.addFile().ok()); // cancelled
    view.selected = 0;
    EXPECT_TRUE(logic.addFile().ok());
    view.selected = -1;
    EXPECT_TRUE(logic.addFile().ok());
    EXPECT_EQ(openDialog.shownIn, (std::vector<std::string>{"C:\\WINDOWS\\", "C:\\", "C:\\"}));
    EXPECT_EQ(view.lines.size(), 2u) << "a cancelled dialog changes nothing";
    EXPECT_FALSE(view.okEnabled());
}

TEST_F(SetupEdit, AListBoxThatRefusesTheLineKeepsItsLinesAndRaises) {
    loadApplied("[Recovery Files]\n0=A\n");
    view.capacity = 1;
    openDialog.choice = "B";
    EXPECT_EQ(logic.addFile().text(), std::string("Zeile kann nicht eingef\xFCgt werden"));
    EXPECT_EQ(view.lines, std::vector<std::string>{"A"});
    EXPECT_FALSE(view.okEnabled());
}

TEST_F(SetupEdit, DeleteRemovesTheSelectedLineAndAlwaysEnablesOk) {
    loadApplied("[Recovery Files]\n0=A\n1=B\n2=C\n");
    logic.deleteFile();
    EXPECT_EQ(view.lines.size(), 3u);
    EXPECT_TRUE(view.okEnabled());
    view.setOkEnabled(false);
    view.selected = 0;
    logic.deleteFile();
    EXPECT_EQ(view.lines, (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(view.selected, -1);
    EXPECT_TRUE(view.okEnabled());
}

TEST_F(SetupEdit, BrowseOffersTheBackupDirectoryAndTakesTheChoice) {
    loadApplied("Recovery Directory=D:\\SAVE\n");
    logic.browse();
    EXPECT_EQ(view.backupDirectory(), "D:\\SAVE");
    EXPECT_FALSE(view.okEnabled()) << "a cancelled choice changes nothing";
    folders.choice = "E:\\NEU";
    logic.browse();
    EXPECT_EQ(folders.titles[1], "Talvek 95 - Sicherungsverzeichnis :");
    EXPECT_EQ(folders.startedAt[1], "D:\\SAVE");
    EXPECT_EQ(view.backupDirectory(), "E:\\NEU");
    EXPECT_TRUE(view.okEnabled());
}

TEST_F(SetupEdit, CheckBoxesEnableTheirNameFields) {
    loadApplied();
    // A click toggles the check box itself, then tells the form.
    view.setBatchFile(false);
    logic.batchFileClicked();
    EXPECT_FALSE(view.batchNameEnabled);
    EXPECT_TRUE(view.okEnabled());
    view.setLogFile(false);
    logic.logFileClicked();
    EXPECT_FALSE(view.logNameEnabled);
    view.setLogFile(true);
    logic.logFileClicked();
    EXPECT_TRUE(view.logNameEnabled);
}

TEST_F(SetupEdit, HintsReplaceOrClearThePanel) {
    const std::pair<HintSource, const char*> cases[] = {
        {HintSource::Ok, "Hier klicken um \xC4nderungen wirksam zu machen."},
        {HintSource::Active, "Diesen Eintrag aktivieren um Talvek zu aktivieren."},
        {HintSource::Cancel, "Hier klicken um Talvek zu beenden."},
        {HintSource::Add, "Hier klicken um eine Datei der Sicherungsliste hinzuzuf\xFCgen."},
        {HintSource::Delete, "Hier klicken um den aktiven Eintrag aus der Liste zu entfernen"},
        {HintSource::FileList, "Die Dateien in dieser Liste werden von Talvek gesichert."},
        {HintSource::BackupDirectory, "Das Verzeichnis in dem Talvek seine Datens\xE4tze ablegt."},
        {HintSource::Browse, "Ausw\xE4hlen des Sicherungsverzeichnisses"},
        {HintSource::MaxRecordSets, "Die maximale Anzahl der Datens\xE4tze."},
        {HintSource::EveryXDays, "Wie oft soll Talvek die Daten sichern ?"},
        {HintSource::BatchFile, "F\xFCr die einfache Wiederherstellung der gesicherten Daten"},
        {HintSource::LogFile, "Talvek erstellt f\xFCr jeden Datensatz eine Protokoll Datei."},
        {HintSource::HomepageLink, "Besuchen Sie die Talvek 95 Homepage."},
        {HintSource::Form, ""},
        {HintSource::Panel1, ""},
        {HintSource::Panel2, ""},
    };
    for (const auto& c : cases) {
        view.hint = "previous";
        logic.mouseMove(c.first);
        EXPECT_EQ(view.hint, c.second);
    }
    logic.mouseMove(HintSource::Logo);
    EXPECT_EQ(view.hint.rfind("Talvek 95  ", 0), 0u) << view.hint;
    logic.mouseMove(HintSource::MailLink);
    EXPECT_NE(view.hint.find("(talvek95@example.org)"), std::string::npos) << view.hint;
}

TEST_F(SetupEdit, PageChangeShowsTheLeftPageAndRestartsTheBanner) {
    logic.pageChanging(setup::Page::Files);
    EXPECT_EQ(view.hint, "Zu sichernde Dateien");
    EXPECT_EQ(view.bannerRestarts, 1);
    logic.pageChanging(setup::Page::Settings);
    EXPECT_EQ(view.hint, "Einstellungen");
    EXPECT_EQ(view.bannerRestarts, 2);
    logic.pageChanging(setup::Page::About);
    EXPECT_EQ(view.hint, "\xDC"
                         "ber Talvek");
    EXPECT_EQ(view.bannerRestarts, 2) << "leaving the about page leaves the banner alone";
}

TEST(SetupSpinRange, TypedTextIsHeldWithinTheBounds) {
    const std::pair<const char*, int> cases[] = {
        {"5", 5},  {"1", 2},  {"1000", 1000}, {"1001", 1000}, {"99999999999999", 1000},
        {"-3", 2}, {"+7", 7}, {"", 2},        {"abc", 2},     {"12a", 2},
        {"-", 2},  {" 5", 2}, {"0x10", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kMaxRecordSetsRange.fromText(c.first), c.second) << c.first;
    EXPECT_EQ(kEveryXDaysRange.fromText("0"), 1);
    EXPECT_EQ(kEveryXDaysRange.clamp(-5), 1);
}

TEST(SetupCredits, SixtyLinesOfWhichSixteenEmpty) {
    std::vector<std::string> lines = setup::creditLines();
    ASSERT_EQ(lines.size(), 60u);
    std::size_t empty = 0;
    for (const auto& l : lines)
        empty += l.empty() ? 1 : 0;
    EXPECT_EQ(empty, 16u);
    EXPECT_EQ(setup::mailCaption(), "E-Mail: talvek95@example.org");
    EXPECT_EQ(setup::mailUrl(), "mailto:talvek95@example.org");
    EXPECT_EQ(setup::homepageCaption(), "Homepage: www.example.org/talvek95");
}

} // namespace

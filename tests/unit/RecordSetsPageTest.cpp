// The page "Datensätze" tells what is true of a set now, whatever a run did meanwhile.
#include <gtest/gtest.h>

#include <functional>

#include "backup/Crc32.h"
#include "config/TextCase.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocks.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeSetupPlatform.h"
#include "ui/setup/logic/RecordSetsPage.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

struct View : RecordSetsView, Processes {
    void setRecordSetRows(const std::vector<std::string>& r, int s) override { rows = r, at = s; }
    int selectedRecordSet() override { return at; }
    void setRecordSetButtons(bool, bool) override {}
    void setUndoEnabled(bool) override {}
    void showRecordSetReport(const std::string& text) override { boxes.push_back(text); }
    bool askRecordSets(const std::string&) override { return true; }
    AppError showRestoreWindow(const RecordSet&, const std::vector<CopyState>&) override {
        return AppError("shown");
    }
    AppError showComparisonWindow(const RecordSet&, const std::vector<CopyState>& s) override {
        return compared = s, AppError();
    }
    void setBackupNowEnabled(bool enabled) override { backupNow = enabled; }
    void workStarts() override { ++works; }
    void working(const std::string& hint) override {
        if (!hint.empty()) hints.push_back(hint);
    }
    void workEnds() override { --works; }
    void setDatePanel(const std::string&) override {}
    void setHint(const std::string& text) override { hint = text; }
    bool start(const std::string&, std::function<void()>) override { return false; }
    bool startProgram(const std::string& program, const std::string& argument) override {
        return boxes.push_back(program + " " + argument), true;
    }
    std::vector<std::string> rows, boxes, hints;
    std::vector<CopyState> compared;
    int at = -1, works = 0;
    bool backupNow = false;
    std::string hint;
};

// The page over the fakes; the view answers for the processes too.
struct PageScene {
    FakeProfile profile;
    FakeFileSystem files;
    FakeSystemInfo system;
    FakeClock clock;
    FakeLocks locks;
    View view;
    RecordSetsPage page{view, profile, system, files, clock, view, locks};
};

TEST(RecordSetsPage, SaysWhatIsTrueOfTheSetAsTheFileHasItNow) {
    const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
    const std::string in = "Im Datensatz vom 04.12.97 sind ",
                      gone = "Den Datensatz vom 04.12.97 gibt es nicht mehr.";
    const struct {
        std::string keys; // of the set of 04.12.97; "-": a run removed it after the page showed it
        AppError (RecordSetsPage::*click)();
        std::string box;
    } rows[] = {
        {"Datei1=C:\\A.INI\nCRC1=" + asciiLower(crcText(crc32("copy"))),
         &RecordSetsPage::checkClick, "Alle Kopien des Datensatzes vom 04.12.97 sind in Ordnung."},
        {"Datei1=C:\\A.INI\nCRC1=0000ABCG", &RecordSetsPage::checkClick,
         in + "nicht in Ordnung:\n\rDie Prüfsumme der Kopie C:\\Talvek95\\041297\\A.INI ist "
              "unlesbar."},
        {"", &RecordSetsPage::checkClick, in + "keine Kopien verzeichnet."},
        {"-", &RecordSetsPage::checkClick, gone},
        {"-", &RecordSetsPage::keepClick, gone},
        {"LogFile=RUN.BAT", &RecordSetsPage::protocolClick, // shown, not run
         "C:\\WINDOWS\\notepad.exe C:\\Talvek95\\041297\\RUN.BAT"},
    };
    for (const auto& row : rows) {
        PageScene scene;
        auto& [profile, files, system, clock, locks, view, page] = scene;
        files.addFile("C:\\Talvek95\\041297\\A.INI", "copy");
        files.addFile("C:\\Talvek95\\041297\\RUN.BAT", "ECHO > C:\\RAN.TXT");
        profile.load(kIni, "[Datens\xE4tze]\n0=03.12.97\n1=04.12.97\n[04.12.97]\nDirectory=C:"
                           "\\Talvek95\\041297\n" +
                               row.keys + "\n");
        page.refresh();
        view.at = 0; // 04.12.97, the newest
        page.selectionChange();
        TIniFile ini(profile, kIni);
        (void)ini.WriteList("Datens\xE4tze", {"03.12.97", "04.12.97", "06.12.97"}); // Jetzt sichern
        page.refresh();
        EXPECT_EQ(view.at, 1) << "the selection stays with its date";
        const bool removed = row.keys == "-";
        if (removed)
            (void)ini.RemoveSection("04.12.97"), (void)ini.WriteList("Datens\xE4tze", {"03.12.97"});
        const std::string before = profile.text(kIni);
        EXPECT_FALSE((page.*row.click)());
        EXPECT_EQ(view.boxes, std::vector<std::string>{row.box}) << row.keys;
        EXPECT_TRUE(!removed || profile.text(kIni) == before) << "no orphan section";
    }
}

TEST(RecordSetsPage, JetztSichernWaitsWhileAnotherRunIsUnderWay) {
    PageScene scene;
    auto& [profile, files, system, clock, locks, view, page] = scene;
    locks.heldByOthers.insert(lock::kBackupRun); // the autostart's run
    page.refresh();
    page.backupNowMouseMove();
    EXPECT_FALSE(view.backupNow);
    EXPECT_EQ(view.hint, "Eine Sicherung läuft gerade.");
    EXPECT_FALSE(page.backupNowClick()) << "no second run is started";
    locks.heldByOthers.clear();
    page.backupNowMouseMove();
    EXPECT_TRUE(view.backupNow) << "enabled again once that run has ended";
}

} // namespace

// A file over 1 MB is told of from its first percent to its last as the work goes on; a small
// file (A.INI, today's BIG.DAT) is through without a word; the wait cursor ends with the work.
TEST(RecordSetsPage, LongWorkTellsHowFarItHasCome) {
    const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
    const std::string big(1536 * 1024, 'x'), copy = "C:\\Talvek95\\041297\\BIG.DAT",
                                             original = "C:\\BIG.DAT";
    PageScene scene;
    auto& [profile, files, system, clock, locks, view, page] = scene;
    files.addFile(copy, big);
    files.addFile(original, "changed");
    files.addFile("C:\\Talvek95\\041297\\A.INI", "a");
    files.addFile("C:\\A.INI", "a");
    profile.load(kIni, "[Einstellungen]\nRecovery Directory=C:\\Talvek95\n[Datens\xE4tze]\n0=04.12."
                       "97\n[04.12.97]\nDirectory=C:\\Talvek95\\041297\nDatei1=C:\\A.INI\nDatei2=" +
                           original + "\nCRC2=" + crcText(crc32(big)) + "\n");
    page.refresh();
    view.at = 0;
    page.selectionChange();
    bool done = false;
    TIniFile ini(profile, kIni);
    const std::pair<std::function<AppError()>, std::string> rows[] = {
        {[&] { return page.checkClick(); }, "Prüfe " + copy + ": "},
        {[&] { return page.compareClick(); }, "Vergleiche " + copy + ": "},
        {[&] { return page.restoreChosen(readRecordSet(ini, "04.12.97"), done); },
         "Schreibe " + original + " zurück: "},
        {[&] { return page.undoClick(); }, "Schreibe " + original + " zurück: "},
    };
    for (const auto& row : rows) {
        view.hints.clear();
        EXPECT_FALSE(row.first());
        EXPECT_EQ(view.works, 0);
        ASSERT_FALSE(view.hints.empty());
        EXPECT_EQ(view.hints.front(), row.second + "4 %");
        EXPECT_EQ(view.hints.back(), row.second + "100 %");
    }
}

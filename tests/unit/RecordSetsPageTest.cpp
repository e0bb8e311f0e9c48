// The page "Datensätze" over an in-memory view: what it says of a set is true of the file
// as it is now, however the set's section reads and whatever a run removed meanwhile.
#include <gtest/gtest.h>

#include "backup/Crc32.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeSetupPlatform.h"
#include "ui/setup/logic/RecordSetsPage.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";

struct FakeView : RecordSetsView {
    void setRecordSetRows(const std::vector<std::string>& r, int s) override {
        rows = r;
        selected = s;
    }
    int selectedRecordSet() override { return selected; }
    void setRecordSetButtons(bool, bool) override {}
    void setUndoEnabled(bool) override {}
    void showRecordSetReport(const std::string& text) override { boxes.push_back(text); }
    bool askRecordSets(const std::string& text) override {
        boxes.push_back(text);
        return true;
    }
    AppError showRestoreWindow(const RecordSet&, const std::vector<CopyState>&) override {
        boxes.push_back("<restore window>");
        return AppError();
    }
    void setBackupNowEnabled(bool) override {}
    void setDatePanel(const std::string&) override {}
    void setHint(const std::string&) override {}
    std::vector<std::string> rows, boxes;
    int selected = -1;
};

struct NoShell : Shell {
    void open(const std::string& target) override { opened.push_back(target); }
    void copyText(const std::string&) override {}
    std::vector<std::string> opened;
};
struct NoProcesses : Processes {
    bool start(const std::string&, std::function<void()>) override { return false; }
};

TEST(RecordSetsPage, SaysWhatIsTrueOfTheSetAsTheFileHasItNow) {
    const std::string good = crcText(crc32("copy"));
    std::string lower = good;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    enum Action { Check, Compare, Keep, Protocol, RestoreWindow };
    struct Row {
        const char* name;
        std::string keys; // of the set of 04.12.97
        bool removedMeanwhile;
        Action action;
        std::string box;
    };
    const std::string gone = "Den Datensatz vom 04.12.97 gibt es nicht mehr.";
    const Row rows[] = {
        {"a checksum in lower case", "Datei1=C:\\A.INI\nCRC1=" + lower + "\n", false, Check,
         "Alle Kopien des Datensatzes vom 04.12.97 sind in Ordnung."},
        {"a checksum that is no number", "Datei1=C:\\A.INI\nCRC1=0000ABCG\n", false, Check,
         "Im Datensatz vom 04.12.97 sind nicht in Ordnung:\n\rDie Pr\xFC"
         "fsumme der Kopie C:\\Talvek95\\041297\\A.INI ist unlesbar."},
        {"a section that names no copy", "", false, Check,
         "Im Datensatz vom 04.12.97 sind keine Kopien verzeichnet."},
        {"nothing to restore either", "", false, RestoreWindow,
         "Im Datensatz vom 04.12.97 sind keine Kopien verzeichnet."},
        {"a comparison, line by line", "Datei1=C:\\A.INI\nCRC1=" + good + "\n", false, Compare,
         "Der Datensatz vom 04.12.97 und die Originale:\n\rC:\\A.INI: ge\xE4ndert"},
        {"checked after a run removed it", "Datei1=C:\\A.INI\n", true, Check, gone},
        {"compared after a run removed it", "Datei1=C:\\A.INI\n", true, Compare, gone},
        {"kept after a run removed it", "Datei1=C:\\A.INI\n", true, Keep, gone},
        {"its protocol after a run removed it", "Datei1=C:\\A.INI\n", true, Protocol, gone},
        {"restored after a run removed it", "Datei1=C:\\A.INI\n", true, RestoreWindow, gone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeProfile profile;
        FakeFileSystem files;
        FakeSystemInfo system;
        FakeClock clock;
        NoShell shell;
        NoProcesses processes;
        FakeView view;
        files.addFile("C:\\A.INI", "original");
        files.addFile("C:\\Talvek95\\041297\\A.INI", "copy");
        files.addFile("C:\\Talvek95\\041297\\PROTOCOL.TXT");
        profile.load(kIni, "[Einstellungen]\nRecovery Directory=C:\\Talvek95\n[Datens\xE4tze]\n"
                           "0=03.12.97\n1=04.12.97\n[03.12.97]\nDatei1=C:\\B.INI\n[04.12.97]\n"
                           "Directory=C:\\Talvek95\\041297\nLogFile=PROTOCOL.TXT\n" +
                               row.keys);
        RecordSetsPage page(view, profile, system, files, shell, clock, processes);
        page.refresh();
        view.selected = 0; // the newest, 04.12.97
        page.selectionChange();
        if (row.removedMeanwhile) {
            profile.removeSection(kIni, "04.12.97");
            profile.removeSection(kIni, "Datens\xE4tze");
            profile.write(kIni, "Datens\xE4tze", "0", "03.12.97");
        }
        const std::string before = profile.text(kIni);
        AppError error;
        switch (row.action) {
        case Check:
            error = page.checkClick();
            break;
        case Compare:
            error = page.compareClick();
            break;
        case Keep:
            error = page.keepClick();
            break;
        case Protocol:
            error = page.protocolClick();
            break;
        case RestoreWindow:
            error = page.restoreClick();
            break;
        }
        EXPECT_FALSE(error) << error.text();
        EXPECT_EQ(view.boxes, std::vector<std::string>{row.box});
        if (row.removedMeanwhile) {
            EXPECT_EQ(profile.text(kIni), before) << "no key written into a section that is gone";
            EXPECT_EQ(view.rows, std::vector<std::string>{"03.12.97\t1 Datei\t\t"});
            EXPECT_EQ(view.selected, -1);
            EXPECT_TRUE(shell.opened.empty());
        }
    }
}

TEST(RecordSetsPage, KeepsTheSelectedSetByItsDateWhenANewerOneComes) {
    FakeProfile profile;
    FakeFileSystem files;
    FakeSystemInfo system;
    FakeClock clock;
    NoShell shell;
    NoProcesses processes;
    FakeView view;
    profile.load(kIni, "[Datens\xE4tze]\n0=03.12.97\n1=04.12.97\n");
    RecordSetsPage page(view, profile, system, files, shell, clock, processes);
    page.refresh();
    view.selected = 1; // 03.12.97
    page.selectionChange();
    profile.write(kIni, "Datens\xE4tze", "2", "06.12.97"); // a run from "Jetzt sichern"
    page.refresh();
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.selected, 2);
}

} // namespace

// The real talvek.exe started without the backup switch, driven through its windows the way a
// user does: the first-run offer, the apply with its autostart question, the file list, the
// hints and page changes, the errors of an apply, and the backup run that follows a setup.
#include <gtest/gtest.h>

#include "backup/Crc32.h"

#include "config/DateText.h"
#include "ui/setup/ComparisonWindow.h"
#include "ui/setup/RestoreWindow.h"
#include "ui/setup/SetupForm.h"
#include "win32/Bench.h"
#include "win32/SetupDriver.h"

using namespace talvek;
using namespace setupdrive;
using bench::control;
using F = talvek::ui::TSetupForm;

namespace {

const char* const kTestRoot = "C:\\talvek-setup-test";
const char* const kFirstRunLines[] = {
    "Danke, dass Sie sich für Talvek 95 entschieden haben !",
    "Talvek ist ein leistungsfähiges Werkzeug, das Ihnen helfen kann, Ihre Daten sicherer zu "
    "machen.",
    "Ich möchte Ihnen deshalb empfehlen, mit Talvek auch wichtige Windows 95 - Systemdateien zu "
    "sichern.",
    "Um die wichtigsten Dateien von Windows 95 in die Liste der zu sichernden Dateien "
    "aufzunehmen,",
    "bestätigen Sie bitte mit \"Ja\". Wenn Sie nicht wissen wie Sie antworten sollen, bestätigen "
    "Sie ebenfalls mit \"Ja\".",
    "",
    "",
    "Viel Spaß mit Talvek 95 wünscht",
};

std::string joined(const char* const* lines, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += (i ? "\n\r" : "") + std::string(lines[i]);
    return text;
}

// The system files the first-run offer lists: those of the set that exist here (Wine has
// no PROTOCOL.INI, as a PC without network has none).
std::vector<std::string> systemFiles() {
    std::string w = bench::windowsDir();
    std::vector<std::string> existing;
    for (const std::string& file :
         {std::string("C:\\AUTOEXEC.BAT"), std::string("C:\\CONFIG.SYS"), std::string("C:\\IO.SYS"),
          std::string("C:\\COMMAND.COM"), std::string("C:\\MSDOS.SYS"), w + "\\WIN.INI",
          w + "\\SYSTEM.INI", w + "\\PROTOCOL.INI", w + "\\SYSTEM.DAT", w + "\\USER.DAT"})
        if (bench::exists(file)) existing.push_back(file);
    return existing;
}

std::string daysAgo(int days) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return formatDateText(addDays(Date{st.wYear, st.wMonth, st.wDay}, -days));
}

// The dialog's controls, found by their ids.
struct Dialog {
    explicit Dialog(HWND f) : form(f) {
        tabs = control(form, F::kEinstellungen);
        list = control(form, F::kRecfileslist);
        status = control(form, F::kStatusBar1);
        edit1 = control(form, F::kEdit1);
        maxdat = control(form, F::kMaxdatedit);
        alleXTage = control(form, F::kAlleXTage);
        batchname = control(form, F::kBatchname);
        logname = control(form, F::kLogname);
        batchfile = control(form, F::kBatchfile);
        logtxt = control(form, F::kLogtxt);
        aktivate = control(form, F::kAktivate);
        ok = control(form, F::kOk);
        cancel = control(form, F::kCancel);
        add = control(form, F::kAdd);
        del = control(form, F::kDelete);
    }
    bool complete() const {
        return tabs && list && status && edit1 && maxdat && alleXTage && batchname && logname &&
               batchfile && logtxt && aktivate && ok && cancel && add && del;
    }
    std::string hint() const { return statusPanel(status, 1); }
    HWND form, tabs, list, status, edit1, maxdat, alleXTage, batchname, logname, batchfile, logtxt,
        aktivate, ok, cancel, add, del;
};

// Moves the real pointer into the screen's top left corner, away from the dialog, so that
// only the test's own pointer movements reach it.
void parkPointer() {
    // The platform moves the pointer only for a program that has a window in front.
    HWND spot = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 8, 8,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(spot);
    bench::pump(100);
    SetCursorPos(2, 2);
    bench::pump(100);
    DestroyWindow(spot);
}

struct SetupDialog : ::testing::Test {
    void SetUp() override {
        parkPointer();
        clean();
        ensureRunKey();
    }
    void TearDown() override {
        process.kill();
        clean();
    }
    void clean() {
        bench::removeAll(bench::iniPath());
        bench::removeAll(kTestRoot);
        deleteRunValue();
    }
    // Starts the setup and waits for its window (after any first-run offer was answered).
    HWND start() {
        process = bench::startTalvek("");
        return bench::waitForWindow(process.pid(), "TSetupForm", "Talvek 95 - Setup",
                                    bench::kProgramTimeout);
    }
    // A configuration that has been applied once before.
    void writeApplied(const std::string& extra) {
        bench::writeFile(bench::iniPath(), "[Einstellungen]\r\nfirstrun=1\r\n" + extra);
    }
    bench::Process process;
};

TEST_F(SetupDialog, FirstStartShowsTheDefaultsOffersTheSystemFilesAndAppliesTheSampleSetup) {
    process = bench::startTalvek("");
    HWND offer = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(bench::text(offer), "Talvek 95 - Systemdateien hinzufügen ?");
    EXPECT_EQ(bench::messageBoxText(offer), joined(kFirstRunLines, 8));
    EXPECT_NE(GetDlgItem(offer, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(offer, IDNO), nullptr);
    bench::screenshot(offer, "setup-first-run-question");
    bench::answerMessageBox(offer, IDYES);

    HWND form = bench::waitForWindow(process.pid(), "TSetupForm", "Talvek 95 - Setup",
                                     bench::kProgramTimeout);
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    SIZE size = bench::clientSize(form);
    EXPECT_EQ(size.cx, 489);
    EXPECT_EQ(size.cy, 314);
    LONG style = GetWindowLongA(form, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    EXPECT_EQ(bench::text(d.maxdat), "3");
    EXPECT_EQ(bench::text(d.edit1), "C:\\Talvek95");
    EXPECT_TRUE(checked(d.batchfile));
    EXPECT_EQ(bench::text(d.batchname), "RECOVERY.BAT");
    EXPECT_TRUE(checked(d.logtxt));
    EXPECT_EQ(bench::text(d.logname), "PROTOCOL.TXT");
    EXPECT_EQ(bench::text(d.alleXTage), "1");
    EXPECT_FALSE(checked(d.aktivate));
    EXPECT_EQ(statusPanel(d.status, 0), "letzte Sicherung: keine");
    EXPECT_EQ(d.hint(), "");
    EXPECT_EQ(listLines(d.list), systemFiles());
    EXPECT_TRUE(IsWindowEnabled(d.ok));
    EXPECT_EQ(currentTab(d.tabs), 0);
    bench::screenshot(form, "setup-page1-files");

    bench::click(d.ok);
    HWND question = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(bench::text(question), "Talvek 95 bei jedem Windows-Start automatisch laden ?");
    EXPECT_EQ(bench::messageBoxText(question).find("Damit Talvek 95 seine volle "
                                                   "Leistungsfähigkeit entfalten kann\n\rist es"),
              0u);
    bench::answerMessageBox(question, IDYES);
    ASSERT_TRUE(waitEnabled(d.ok, false, 10000));
    EXPECT_TRUE(checked(d.aktivate));

    std::vector<std::string> expected = {"[Einstellungen]",
                                         "max. Anzahl der Datensätze=3",
                                         "Recovery Directory=C:\\Talvek95",
                                         "Batchfile=1",
                                         "Batchname=RECOVERY.BAT",
                                         "Logfile=1",
                                         "Logname=PROTOCOL.TXT",
                                         "AlleXTage=1",
                                         "Talvek-Version=1.1",
                                         "Aktiv=1",
                                         "firstrun=1",
                                         "[Aktueller Datensatz]",
                                         "Datum=" + daysAgo(2),
                                         "[Recovery Files]"};
    std::vector<std::string> files = systemFiles();
    for (std::size_t i = 0; i < files.size(); ++i)
        expected.push_back(std::to_string(i) + "=" + files[i]);
    EXPECT_EQ(iniLines(), expected);
    bool present = false;
    EXPECT_EQ(runValue(&present), bench::talvekPath() + " -s");
    EXPECT_TRUE(present);

    // Ende closes without writing, even with a change not applied.
    typeText(d.edit1, "D:\\ANDERS");
    EXPECT_TRUE(IsWindowEnabled(d.ok));
    std::string before = bench::readFile(bench::iniPath());
    bench::click(d.cancel);
    DWORD code = 1;
    EXPECT_TRUE(process.waitExit(bench::kProgramTimeout, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(bench::readFile(bench::iniPath()), before);
}

TEST_F(SetupDialog, NoToTheOfferLeavesTheListEmptyButOkEnabled) {
    process = bench::startTalvek("");
    HWND offer = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(offer, nullptr);
    bench::answerMessageBox(offer, IDNO);
    HWND form = bench::waitForWindow(process.pid(), "TSetupForm", "Talvek 95 - Setup",
                                     bench::kProgramTimeout);
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    EXPECT_TRUE(listLines(d.list).empty());
    EXPECT_TRUE(IsWindowEnabled(d.ok));
    // The window's close button ends the program without writing.
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(process.waitExit(bench::kProgramTimeout));
    EXPECT_FALSE(bench::exists(bench::iniPath()));
}

TEST_F(SetupDialog, AnAutostartWithoutItsRunValueIsToldAndRepairedThenUncheckedItIsDeleted) {
    writeApplied("Aktiv=1\r\n[Aktueller Datensatz]\r\nDatum=01.12.97\r\n");
    process = bench::startTalvek("");
    HWND box = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(bench::text(box), "Talvek 95");
    EXPECT_EQ(bench::messageBoxText(box),
              "Talvek 95 wird beim Windows-Start nicht aufgerufen: der Eintrag in der "
              "Registrierung fehlt oder nennt ein anderes Programm.\n\r"
              "Klicken Sie auf Übernehmen, um ihn neu einzutragen.");
    bench::screenshot(box, "setup-autostart-missing");
    bench::answerMessageBox(box, IDOK);
    HWND form = bench::waitForWindow(process.pid(), "TSetupForm", "Talvek 95 - Setup",
                                     bench::kProgramTimeout);
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    EXPECT_TRUE(checked(d.aktivate));
    EXPECT_EQ(statusPanel(d.status, 0), "letzte Sicherung: keine") << "no record set yet";
    bench::click(d.ok);
    ASSERT_TRUE(waitEnabled(d.ok, false, 10000)) << "ok is enabled: one apply repairs it";
    bool present = false;
    EXPECT_EQ(runValue(&present), bench::talvekPath() + " -s");

    bench::click(d.aktivate); // unchecked, a later apply deletes the entry and asks nothing
    ASSERT_TRUE(waitEnabled(d.ok, true, 5000));
    bench::click(d.ok);
    ASSERT_TRUE(waitEnabled(d.ok, false, 10000));
    EXPECT_TRUE(noMessageBox(process.pid(), 500));
    runValue(&present);
    EXPECT_FALSE(present);
    std::vector<std::string> lines = iniLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Aktiv=0"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Datum=01.12.97"), lines.end());
}

TEST_F(SetupDialog, AddAndDeleteChangeTheListAndEnableOk) {
    writeApplied("[Recovery Files]\r\n0=C:\\A.INI\r\n1=C:\\B.INI\r\n2=C:\\C.INI\r\n");
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    ASSERT_FALSE(IsWindowEnabled(d.ok));

    SendMessageA(d.list, LB_SETCURSEL, 0, 0);
    bench::click(d.del);
    ASSERT_TRUE(waitEnabled(d.ok, true, 5000));
    EXPECT_EQ(listLines(d.list), (std::vector<std::string>{"C:\\B.INI", "C:\\C.INI"}));
    EXPECT_EQ(SendMessageA(d.list, LB_GETCURSEL, 0, 0), LB_ERR);

    // Add: the platform's file-open dialog; a typed name of a missing file is taken as it is.
    bench::click(d.add);
    HWND open = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(open, nullptr);
    HWND name = GetDlgItem(open, 0x47C); // the file name box
    if (!name) name = GetDlgItem(open, 0x480);
    ASSERT_NE(name, nullptr);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\NEU\\FEHLT.TXT"));
    PostMessageA(open, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(open, IDOK)));
    DWORD started = GetTickCount();
    while (listLines(d.list).size() < 3 && GetTickCount() - started < 10000)
        bench::pump(100);
    EXPECT_EQ(listLines(d.list),
              (std::vector<std::string>{"C:\\B.INI", "C:\\C.INI", "C:\\NEU\\FEHLT.TXT"}));

    bench::click(d.ok);
    ASSERT_TRUE(waitEnabled(d.ok, false, 10000));
    std::vector<std::string> lines = iniLines();
    auto at = std::find(lines.begin(), lines.end(), "[Recovery Files]");
    ASSERT_NE(at, lines.end());
    ASSERT_GE(lines.end() - at, 4);
    EXPECT_EQ(std::vector<std::string>(at + 1, at + 4),
              (std::vector<std::string>{"0=C:\\B.INI", "1=C:\\C.INI", "2=C:\\NEU\\FEHLT.TXT"}));
    EXPECT_TRUE(at + 4 == lines.end() || (at + 4)->front() == '[');
}

TEST_F(SetupDialog, HintsFollowThePointerAndPageChangesShowTheLeftPage) {
    writeApplied("");
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    EXPECT_EQ(d.hint(), "");

    mouseOver(d.add);
    EXPECT_EQ(d.hint(), "Hier klicken um eine Datei der Sicherungsliste hinzuzufügen.");
    mouseOver(GetParent(d.add)); // the page's free area has no hint
    EXPECT_EQ(d.hint(), "Hier klicken um eine Datei der Sicherungsliste hinzuzufügen.");
    mouseOver(d.list);
    EXPECT_EQ(d.hint(), "Die Dateien in dieser Liste werden von Talvek gesichert.");
    mouseOver(d.ok);
    EXPECT_EQ(d.hint(), "Hier klicken um Änderungen wirksam zu machen.");
    mouseOver(form);
    EXPECT_EQ(d.hint(), "");

    clickTab(d.tabs, 1);
    EXPECT_EQ(currentTab(d.tabs), 1);
    EXPECT_EQ(d.hint(), "Zu sichernde Dateien");
    EXPECT_TRUE(IsWindowVisible(d.edit1));
    EXPECT_FALSE(IsWindowVisible(d.list));
    mouseOver(d.batchfile);
    EXPECT_EQ(d.hint(), "Für die einfache Wiederherstellung der gesicherten Daten");
    mouseOver(GetParent(d.alleXTage)); // the framing panel clears it
    EXPECT_EQ(d.hint(), "");
    mouseOver(d.alleXTage);
    EXPECT_EQ(d.hint(), "Wie oft soll Talvek die Daten sichern ?");
    bench::screenshot(form, "setup-page2-settings");

    clickTab(d.tabs, 3);
    EXPECT_EQ(currentTab(d.tabs), 3);
    EXPECT_EQ(d.hint(), "Einstellungen");
    HWND mail = control(form, F::kUrlLabel1);
    HWND homepage = control(form, F::kUrlLabel2);
    ASSERT_NE(mail, nullptr);
    ASSERT_NE(homepage, nullptr);
    EXPECT_EQ(bench::text(mail), "E-Mail: talvek95@example.org");
    mouseOver(homepage);
    EXPECT_EQ(d.hint(), "Besuchen Sie die Talvek 95 Homepage.");
    mouseOver(control(form, F::kLabel7)); // the version: no hint of its own
    EXPECT_EQ(d.hint(), "Besuchen Sie die Talvek 95 Homepage.");
    mouseOver(mail);
    EXPECT_NE(d.hint().find("(talvek95@example.org)"), std::string::npos) << d.hint();
    mouseOver(GetParent(mail)); // the logo fills the page
    EXPECT_EQ(d.hint().rfind("Talvek 95  ", 0), 0u) << d.hint();
    bench::pump(1500); // let the credits scroll a little
    bench::screenshot(form, "setup-page4-about");

    clickTab(d.tabs, 0);
    EXPECT_EQ(d.hint(), "Über Talvek");
    EXPECT_FALSE(IsWindowEnabled(d.ok)) << "hints and page changes are no changes";
}

TEST_F(SetupDialog, TheKeyboardMovesInTheOrderOfTheLayout) {
    writeApplied("");
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    typeText(d.batchname, "R.BAT"); // ok takes part once it is enabled
    auto order = [&](HWND from, int count) {
        std::vector<HWND> seen;
        for (HWND at = from; count-- > 0;)
            seen.push_back(at = GetNextDlgTabItem(form, at, FALSE));
        return seen;
    };
    EXPECT_EQ(order(d.tabs, 7),
              (std::vector<HWND>{d.add, d.del, d.list, d.aktivate, d.ok, d.cancel, d.tabs}));
    clickTab(d.tabs, 1);
    EXPECT_EQ(order(d.tabs, 8),
              (std::vector<HWND>{d.edit1, control(form, F::kBrowse), d.maxdat, d.batchfile,
                                 d.batchname, d.logtxt, d.logname, d.aktivate}))
        << "the day field is reached with the mouse only";
}

TEST_F(SetupDialog, SpinFieldsHoldTheirBoundsWhenFocusLeaves) {
    writeApplied("");
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    clickTab(d.tabs, 1);
    const std::pair<const char*, const char*> cases[] = {
        {"5000", "1000"}, {"1", "2"}, {"abc", "2"}, {"17", "17"}};
    for (const auto& c : cases) {
        SendMessageA(d.maxdat, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.first));
        // Focus leaves the field: the edit tells its parent, as it does on a real focus change.
        SendMessageA(GetParent(d.maxdat), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(d.maxdat), EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(d.maxdat));
        EXPECT_EQ(bench::text(d.maxdat), c.second) << c.first;
    }
}

TEST_F(SetupDialog, AWriteProtectedConfigurationShowsTheWriteErrorAndKeepsTheDialog) {
    writeApplied("");
    // Write protection holds for an ordinary user only: the bench runs Wine as one.
    SetFileAttributesA(bench::iniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    typeText(d.edit1, "C:\\Anders");
    ASSERT_TRUE(IsWindowEnabled(d.ok));
    bench::click(d.ok);
    HWND box = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(bench::text(box), "Talvek 95");
    EXPECT_EQ(bench::messageBoxText(box),
              "nach " + bench::iniPath() + " kann nicht geschrieben werden.");
    bench::answerMessageBox(box, IDOK);
    bench::pump(500);
    EXPECT_TRUE(IsWindow(form));
    EXPECT_TRUE(IsWindowEnabled(d.ok));
    EXPECT_TRUE(process.running());
    EXPECT_EQ(bench::readFile(bench::iniPath()), "[Einstellungen]\r\nfirstrun=1\r\n");
    SetFileAttributesA(bench::iniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SetupDialog, OutOfRangeValuesAndALongListLoadWithoutLossAndApplyOnceValid) {
    std::string text = "max. Anzahl der Datensätze=5000\r\nAlleXTage=abc\r\n"
                       "Recovery Directory=\r\nBatchfile=yes\r\n[Recovery Files]\r\n";
    for (int i = 0; i < 1200; ++i)
        text += std::to_string(i) + "=C:\\F" + std::to_string(i) + "\r\n";
    writeApplied(text);
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    EXPECT_EQ(bench::text(d.maxdat), "1000");
    EXPECT_EQ(bench::text(d.alleXTage), "1");
    EXPECT_EQ(bench::text(d.edit1), "");
    EXPECT_TRUE(checked(d.batchfile));
    EXPECT_EQ(SendMessageA(d.list, LB_GETCOUNT, 0, 0), 1200);
    EXPECT_FALSE(IsWindowEnabled(d.ok));

    typeText(d.batchname, "R.BAT");
    // An empty backup directory would put record sets into the current directory: refused.
    std::string before = bench::readFile(bench::iniPath());
    bench::click(d.ok);
    HWND box = bench::waitForMessageBox(process.pid(), 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(bench::messageBoxText(box), "Das Verzeichnis für die Datensätze muss ein "
                                          "vollständiger Pfad sein (z. B. C:\\Talvek95).");
    bench::answerMessageBox(box, IDOK);
    EXPECT_EQ(bench::readFile(bench::iniPath()), before);
    EXPECT_TRUE(IsWindowEnabled(d.ok));

    // Loaded whole and written whole: the list of 1200 files is applied, though a record set
    // of it passes what one section of the profile functions could hold.
    typeText(d.edit1, "C:\\Talvek95");
    bench::click(d.ok);
    ASSERT_TRUE(bench::waitUntil([&] { return !IsWindowEnabled(d.ok); }, 20000));
    const std::string applied = bench::readFile(bench::iniPath());
    EXPECT_NE(applied.find("\r\n1199="), std::string::npos);
}

// And WIN.INI, changed, comes back byte for byte with its attributes; the undo changes it again.
TEST_F(SetupDialog, TheRecordSetsPageKeepsASetAndFindsADamagedCopy) {
    const std::string date = daysAgo(3), dir = std::string(kTestRoot) + "\\" + date.substr(0, 2) +
                                               date.substr(3, 2) + date.substr(6, 2);
    CreateDirectoryA(kTestRoot, nullptr);
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string section = "[" + date + "]\r\nDirectory=" + dir + "\r\nDatum=" + date + "\r\n";
    for (const char* name : {"A.INI", "B.INI"}) {
        std::string original = std::string(kTestRoot) + "\\" + name;
        bench::writeFile(original, std::string("[") + name + "]\r\n");
        bench::writeFile(dir + "\\" + name, bench::readFile(original));
        const std::string n = name[0] == 'A' ? "1" : "2";
        section += "Datei" + n + "=" + original + "\r\nCRC" + n + "=" +
                   crcText(crc32(bench::readFile(original))) + "\r\n";
    }
    const std::string winIni = bench::windowsDir() + "\\WIN.INI";
    struct Kept { // put back whatever happens; a file that was not there goes again
        std::string path, content = bench::readFile(path);
        bool existed = bench::exists(path);
        ~Kept() {
            SetFileAttributesA(path.c_str(), 0x80);
            existed ? bench::writeFile(path, content) : bench::removeAll(path);
        }
    } kept{winIni};
    bench::writeFile(dir + "\\WIN.INI", kept.content);
    section += "Datei3=" + winIni + "\r\nCRC3=" + crcText(crc32(kept.content)) + "\r\nAttr3=33\r\n";
    bench::writeFile(winIni, kept.content + "[changed]\r\n");
    // Windows' registry files, changed since: only MS-DOS may write them back.
    const std::string systemDat = bench::windowsDir() + "\\SYSTEM.DAT",
                      userDat = bench::windowsDir() + "\\USER.DAT";
    Kept keptSystem{systemDat}, keptUser{userDat};
    std::string registryLines;
    for (const std::string* dat : {&systemDat, &userDat}) {
        const std::string name = dat->substr(dat->rfind('\\')), n = dat == &systemDat ? "4" : "5";
        bench::writeFile(dir + name, "registry then");
        bench::writeFile(*dat, "registry now");
        section += "Datei" + n + "=" + *dat + "\r\nCRC" + n + "=" +
                   crcText(crc32("registry then")) + "\r\n";
        char shortCopy[MAX_PATH] = {};
        GetShortPathNameA((dir + name).c_str(), shortCopy, MAX_PATH);
        registryLines += "\n\rDie Datei " + *dat +
                         " ist in Benutzung und kann nur unter MS-DOS zurückgeschrieben werden: "
                         "Starten Sie den Computer mit \"Nur Eingabeaufforderung\" und kopieren "
                         "Sie " +
                         std::string(shortCopy) + " nach " + *dat + ".";
    }
    const std::string ran = std::string(kTestRoot) + "\\RAN.TXT"; // made if the protocol runs
    bench::writeFile(dir + "\\RUN.BAT", "ECHO ran > " + ran + "\r\n");
    section += "LogFile=RUN.BAT\r\n";
    // A hand-made undo section: a planted WIN.INI elsewhere, and a file of the user's as new.
    const std::string root = kTestRoot, planted = "[windows]\r\nload=" + root + "\\EVIL.EXE\r\n";
    CreateDirectoryA((root + "\\EVIL").c_str(), nullptr);
    bench::writeFile(root + "\\EVIL\\WIN.INI", planted);
    bench::writeFile(root + "\\BRIEF.TXT", "Lieber");
    section += "[Vorher]\r\nDirectory=" + root + "\\EVIL\r\nDatei1=" + winIni +
               "\r\nCRC1=" + crcText(crc32(planted)) + "\r\nDatei2=" + root +
               "\\BRIEF.TXT\r\nNeu2=1\r\n";
    writeApplied("Recovery Directory=" + std::string(kTestRoot) +
                 "\r\n[Aktueller Datensatz]\r\nDatum=" + date + "\r\n[Datens\xE4tze]\r\n0=" + date +
                 "\r\n" + section);
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    EXPECT_EQ(statusPanel(d.status, 0), "letzte Sicherung: " + date + " (vor 3 Tagen)");
    clickTab(d.tabs, 2);
    HWND sets = control(form, F::kRecordsetlist);
    ASSERT_NE(sets, nullptr);
    EXPECT_EQ(listLines(sets), std::vector<std::string>{date + "\t5 Dateien\t\t"});
    SendMessageA(sets, LB_SETCURSEL, 0, 0);
    SendMessageA(GetParent(sets), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(sets), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(sets));

    bench::click(control(form, F::kKeep));
    ASSERT_TRUE(bench::waitUntil(
        [&] { return listLines(sets).front().find("behalten") != std::string::npos; }, 5000));
    EXPECT_EQ(bench::text(control(form, F::kKeep)), "Frei&geben");
    EXPECT_EQ(GetPrivateProfileIntA(date.c_str(), "Behalten", 0, bench::iniPath().c_str()), 1);

    bench::click(control(form, F::kProtocol));
    HWND notepad = nullptr;
    EXPECT_TRUE(bench::waitUntil(
        [&] {
            return (notepad = FindWindowA("Notepad", nullptr)) &&
                   bench::text(notepad).find("RUN.BAT") != std::string::npos;
        },
        bench::kProgramTimeout));
    PostMessageA(notepad, WM_CLOSE, 0, 0);
    EXPECT_FALSE(bench::exists(ran)) << "the protocol is shown, not run";

    bench::writeFile(dir + "\\B.INI", "[damaged]\r\n");
    bench::click(control(form, F::kCheck));
    HWND box = bench::waitForMessageBox(process.pid(), 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(bench::messageBoxText(box), "Im Datensatz vom " + date +
                                              " sind nicht in Ordnung:\n\rDie Kopie " + dir +
                                              "\\B.INI ist besch\xE4"
                                              "digt.");
    bench::answerMessageBox(box, IDOK);
    ASSERT_TRUE(bench::waitUntil(
        [&] {
            return listLines(sets).front() == date + "\t5 Dateien\tbehalten\tgepr\xFC"
                                                     "ft: 1 Fehler";
        },
        5000))
        << listLines(sets).front();
    bench::screenshot(form, "setup-page3-record-sets");

    HWND undo = control(form, F::kUndo);
    const auto openRestore = [&] {
        bench::click(control(form, F::kRestore));
        return bench::waitForWindow(process.pid(), "TRestoreWindow", "Talvek 95 - Wiederherstellen",
                                    10000);
    };
    HWND window = openRestore();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(listLines(GetDlgItem(window, ui::TRestoreWindow::kCopies)),
              (std::vector<std::string>{std::string(kTestRoot) + "\\A.INI\tunverändert",
                                        std::string(kTestRoot) + "\\B.INI\tbeschädigt",
                                        winIni + "\tgeändert", systemDat + "\tgeändert",
                                        userDat + "\tgeändert"}));
    ShowWindow(form, SW_HIDE); // nobody draws the window's frame: nothing behind it then
    bench::screenshot(window, "restore-window");
    ShowWindow(form, SW_SHOWNA);
    // Each button asks once (Yes), then tells the result in one box (OK). While an undo is
    // possible, the restore's question says that it undoes the earlier restores too.
    const std::string also = "Rückgängig macht dann auch die früheren Wiederherstellungen";
    auto answer = [&](HWND button, const std::string& result) {
        bench::click(button);
        for (int reply : {IDYES, IDOK}) {
            box = bench::waitForMessageBox(process.pid(), 10000);
            ASSERT_NE(box, nullptr);
            const std::string text = bench::messageBoxText(box);
            EXPECT_EQ(reply == IDOK ? text : result, result);
            EXPECT_TRUE(reply == IDOK || result.rfind("Ergebnis der", 0) != 0 ||
                        text.find(also) != std::string::npos);
            bench::answerMessageBox(box, reply);
            ASSERT_TRUE(bench::waitUntil([&] { return !IsWindow(box); }, 5000));
        }
    };
    answer(GetDlgItem(window, ui::TRestoreWindow::kRestore),
           "Ergebnis der Wiederherstellung aus dem Datensatz vom " + date + ":\n\rDie Datei " +
               winIni + " wurde wiederhergestellt." + registryLines);
    ASSERT_TRUE(waitEnabled(undo, true, 5000));
    EXPECT_EQ(bench::readFile(winIni), kept.content);
    EXPECT_EQ(GetFileAttributesA(winIni.c_str()) & 0x27, 33u);
    bench::screenshot(form, "setup-page3-restore");
    // A second restore adds up: the undo brings back what both replaced.
    bench::writeFile(root + "\\A.INI", "[changed A]\r\n");
    window = openRestore();
    ASSERT_NE(window, nullptr);
    answer(GetDlgItem(window, ui::TRestoreWindow::kRestore),
           "Ergebnis der Wiederherstellung aus dem Datensatz vom " + date + ":\n\rDie Datei " +
               root + "\\A.INI wurde wiederhergestellt." + registryLines);
    const std::string asBefore = " ist wieder wie vor der Wiederherstellung.\n\rDie Datei ";
    answer(undo, "Ergebnis von \"Rückgängig\":\n\rDie Datei " + root +
                     "\\BRIEF.TXT wurde nach der Wiederherstellung geändert und bleibt, wie sie "
                     "ist.\n\rDie Datei " +
                     winIni + asBefore + root + "\\A.INI" + asBefore.substr(0, 42));
    EXPECT_EQ(bench::readFile(root + "\\A.INI"), "[changed A]\r\n");
    EXPECT_EQ(bench::readFile(root + "\\BRIEF.TXT"), "Lieber");
    EXPECT_EQ(bench::readFile(root + "\\EVIL\\WIN.INI"), planted);
    EXPECT_EQ(bench::readFile(winIni), kept.content + "[changed]\r\n");
    EXPECT_EQ(GetFileAttributesA(winIni.c_str()) & 0x27, 32u) << "Wine: archive for none";
    EXPECT_EQ(bench::readFile(systemDat) + bench::readFile(userDat), "registry nowregistry now");
}

TEST_F(SetupDialog, TheComparisonShowsTheLinesThatChangedInEachFile) {
    const std::string date = daysAgo(2), root = kTestRoot,
                      dir = root + "\\" + date.substr(0, 2) + date.substr(3, 2) + date.substr(6, 2);
    CreateDirectoryA(kTestRoot, nullptr);
    CreateDirectoryA(dir.c_str(), nullptr);
    // Then and now: a driver added under [386Enh], a program to run at every start.
    const std::string files[][3] = {
        {"SYSTEM.INI", "[boot]\r\nshell=Explorer.exe\r\n[386Enh]\r\nwoafont=dosapp.fon\r\n",
         "[boot]\r\nshell=Explorer.exe\r\n[386Enh]\r\ndevice=*vpd\r\nwoafont=dosapp.fon\r\n"},
        {"WIN.INI", "[windows]\r\nload=\r\nrun=\r\nBeep=yes\r\n",
         "[windows]\r\nload=\r\nrun=C:\\TOOLS\\AGENT.EXE\r\nBeep=yes\r\n"}};
    std::string section = "[" + date + "]\r\nDirectory=" + dir + "\r\nDatum=" + date + "\r\n";
    for (int i = 0; i < 2; ++i) {
        bench::writeFile(dir + "\\" + files[i][0], files[i][1]);
        bench::writeFile(root + "\\" + files[i][0], files[i][2]);
        const std::string n = std::to_string(i + 1);
        section += "Datei" + n + "=" + root + "\\" + files[i][0] + "\r\nCRC" + n + "=" +
                   crcText(crc32(files[i][1])) + "\r\n";
    }
    writeApplied("Recovery Directory=" + root + "\r\n[Datens\xE4tze]\r\n0=" + date + "\r\n" +
                 section);
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    clickTab(d.tabs, 2);
    HWND sets = control(form, F::kRecordsetlist);
    SendMessageA(sets, LB_SETCURSEL, 0, 0);
    SendMessageA(GetParent(sets), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(sets), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(sets));
    bench::click(control(form, F::kCompare));
    const std::string caption = "Vergleich mit dem Datensatz vom " + date;
    HWND window = bench::waitForWindow(process.pid(), "TComparisonWindow", caption.c_str(), 10000);
    ASSERT_NE(window, nullptr);
    using C = ui::TComparisonWindow;
    HWND copies = GetDlgItem(window, C::kCopies), changes = GetDlgItem(window, C::kChanges);
    EXPECT_EQ(listLines(copies), (std::vector<std::string>{root + "\\SYSTEM.INI\tgeändert",
                                                           root + "\\WIN.INI\tgeändert"}));
    EXPECT_EQ(bench::text(changes), "Zeile 4: [386Enh]\r\n+ device=*vpd");
    ShowWindow(form, SW_HIDE); // nobody draws the window's frame: nothing behind it then
    bench::screenshot(window, "comparison-window");
    ShowWindow(form, SW_SHOWNA);
    SendMessageA(copies, LB_SETCURSEL, 1, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(C::kCopies, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(copies));
    EXPECT_EQ(bench::text(changes), "Zeile 3: [windows]\r\n- run=\r\n+ run=C:\\TOOLS\\AGENT.EXE");
    bench::click(GetDlgItem(window, C::kClose));
    EXPECT_TRUE(bench::waitUntil([&] { return !IsWindow(window); }, 5000));
}

TEST_F(SetupDialog, JetztSichernMakesTodaysRecordSetWhenNoneIsDue) {
    CreateDirectoryA(kTestRoot, nullptr);
    const std::string source = std::string(kTestRoot) + "\\source.ini";
    bench::writeFile(source, "[x]\r\n");
    // The last backup was yesterday and one is made every seven days: none is due.
    writeApplied("Recovery Directory=" + std::string(kTestRoot) + "\r\nAlleXTage=7\r\n[Aktueller " +
                 "Datensatz]\r\nDatum=" + daysAgo(1) + "\r\n[Recovery Files]\r\n0=" + source);
    HWND form = start();
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    clickTab(d.tabs, 2);
    HWND now = control(form, F::kBackupNow);
    ASSERT_NE(now, nullptr);
    typeText(d.batchname, "RECOVERY.BAT");
    // Disabled, the button gets no mouse moves: the page under it shows why.
    mouseOverDisabled(now);
    EXPECT_EQ(d.hint(), "Zuerst die Änderungen übernehmen, dann sichern.");
    bench::click(d.ok);
    ASSERT_TRUE(waitEnabled(now, true, 10000)) << "enabled once the changes are applied";
    bench::screenshot(form, "setup-page3-backup-now");

    bench::click(now);
    bench::click(now); // while the run goes, a second click does nothing
    const std::string today = daysAgo(0);
    HWND sets = control(form, F::kRecordsetlist);
    ASSERT_TRUE(bench::waitUntil([&] { return !listLines(sets).empty(); }, bench::kProgramTimeout))
        << "the page shows the list anew once the run has ended";
    EXPECT_EQ(listLines(sets), std::vector<std::string>{today + "\t1 Datei\t\t"});
    EXPECT_EQ(statusPanel(d.status, 0), "letzte Sicherung: " + today + " (heute)");
    EXPECT_FALSE(IsWindowEnabled(now)) << "today's record set is registered";
}

TEST_F(SetupDialog, TheFirstSetupMakesTheNextBackupRunDue) {
    CreateDirectoryA(kTestRoot, nullptr);
    process = bench::startTalvek("");
    HWND offer = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(offer, nullptr);
    bench::answerMessageBox(offer, IDNO);
    HWND form = bench::waitForWindow(process.pid(), "TSetupForm", "Talvek 95 - Setup",
                                     bench::kProgramTimeout);
    ASSERT_NE(form, nullptr);
    Dialog d(form);
    ASSERT_TRUE(d.complete());
    typeText(d.edit1, std::string(kTestRoot) + "\\backup\\");
    bench::click(d.ok);
    HWND question = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(question, nullptr);
    bench::answerMessageBox(question, IDNO);
    ASSERT_TRUE(waitEnabled(d.ok, false, 10000));
    EXPECT_EQ(bench::text(d.edit1), std::string(kTestRoot) + "\\backup");
    bench::click(d.cancel);
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout));

    // The list is written by hand here as a user's later setup would: one file that exists.
    std::string source = std::string(kTestRoot) + "\\source.ini";
    bench::writeFile(source, "[x]\r\na=1\r\n");
    WritePrivateProfileStringA("Recovery Files", "0", source.c_str(), bench::iniPath().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, bench::iniPath().c_str());

    process = bench::startTalvek("-s");
    ASSERT_NE(bench::waitForWindow(process.pid(), "TForm1", "Talvek 95", bench::kProgramTimeout),
              nullptr);
    DWORD code = 1;
    EXPECT_TRUE(process.waitExit(bench::kProgramTimeout, &code))
        << "a run without errors ends by itself";
    std::string today = daysAgo(0);
    std::string record = std::string(kTestRoot) + "\\backup\\" + today.substr(0, 2) +
                         today.substr(3, 2) + today.substr(6, 2);
    EXPECT_TRUE(bench::exists(record + "\\source.ini")) << record;
    EXPECT_EQ(bench::readFile(record + "\\source.ini"), "[x]\r\na=1\r\n");
    char date[64] = {};
    GetPrivateProfileStringA("Aktueller Datensatz", "Datum", "", date, sizeof date,
                             bench::iniPath().c_str());
    EXPECT_EQ(std::string(date), today);
}

} // namespace

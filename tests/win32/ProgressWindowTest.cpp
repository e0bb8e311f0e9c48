// The real talvek.exe in backup mode, driven from outside as a user would.
#include <gtest/gtest.h>

#include "config/DateText.h"
#include "ui/progress/Form1.h"
#include "win32/Bench.h"

using talvek::ui::TForm1;

namespace {

const char* const kTestRoot = "C:\\talvek-progress-test";

// A configuration for a due run that saves one file and succeeds.
std::string dueConfiguration(int waitSeconds) {
    std::string root = kTestRoot;
    return "[Einstellungen]\r\nmax. Anzahl der Datens\xE4tze=3\r\nRecovery Directory=" + root +
           "\\backup\r\nBatchfile=1\r\nBatchname=RECOVERY.BAT\r\nLogfile=1\r\n"
           "Logname=PROTOCOL.TXT\r\nAlleXTage=1\r\nSekunden warten=" +
           std::to_string(waitSeconds) +
           "\r\n[Aktueller Datensatz]\r\nDatum=01.01.97\r\n[Recovery Files]\r\n0=" + root +
           "\\source.ini\r\n";
}

struct ProgressWindow : ::testing::Test {
    void SetUp() override {
        bench::removeAll(bench::iniPath());
        bench::removeAll(kTestRoot);
        CreateDirectoryA(kTestRoot, nullptr);
        bench::writeFile(std::string(kTestRoot) + "\\source.ini", "[x]\r\na=1\r\n");
    }
    void TearDown() override {
        process.kill();
        bench::removeAll(bench::iniPath());
        bench::removeAll(kTestRoot);
    }
    HWND startRun(const std::string& args = "-s") {
        process = bench::startTalvek(args);
        return bench::waitForWindow(process.pid(), "TForm1", "Talvek 95", bench::kProgramTimeout);
    }
    bench::Process process;
};

// Whether the screen shows a non-white pixel inside a step's mark square.
bool markShown(HWND form, int step) {
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    const RECT mark = TForm1::markArea(step);
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (int y = mark.top + 2; y < mark.bottom - 2 && !found; y += 2)
        for (int x = mark.left + 2; x < mark.right - 2 && !found; x += 2) {
            COLORREF c = GetPixel(screen, origin.x + x, origin.y + y);
            found = c != CLR_INVALID && c != RGB(255, 255, 255);
        }
    ReleaseDC(nullptr, screen);
    return found;
}

TEST_F(ProgressWindow, MissingConfigurationShowsTheMessageAndEnds) {
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    HWND box = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(box, nullptr);
    // The box holds the window open: the place to look at the window itself.
    EXPECT_EQ(bench::clientSize(form).cx, 441);
    EXPECT_EQ(bench::clientSize(form).cy, 269);
    EXPECT_TRUE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(bench::text(box), "Ein Fehler ist aufgetreten!");
    EXPECT_EQ(bench::messageBoxText(box), "Ini Datei \"" + bench::windowsDir() +
                                              "\\Talvek95.ini\" wurde nicht gefunden!\n\r"
                                              "Bitte f\xFChren sie zuerst Setup aus.");
    // The window paints the mark while the box is already up.
    EXPECT_TRUE(bench::waitUntil([&] { return markShown(form, 1); }, bench::kProgramTimeout));
    EXPECT_FALSE(markShown(form, 2));
    bench::screenshot(form, "progress-missing-configuration");
    EXPECT_TRUE(process.running()) << "the program waits for the box to be confirmed";
    bench::answerMessageBox(box, IDOK);
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(bench::exists(bench::iniPath())) << "nothing is created";
}

TEST_F(ProgressWindow, ADueRunMarksEveryRowAndEndsByItself) {
    // Without a closing wait the window may be gone before anyone sees it: the end tells.
    bench::writeFile(bench::iniPath(), dueConfiguration(0));
    process = bench::startTalvek("-s");
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout, &code))
        << "a run without errors ends by itself";
    EXPECT_EQ(code, 0u);
}

TEST_F(ProgressWindow, TheClosingWaitLastsItsSecondsAndEndeOnlyNotesTheQuit) {
    bench::writeFile(bench::iniPath(), dueConfiguration(2));
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    HWND ende = GetDlgItem(form, TForm1::kEndeb);
    ASSERT_NE(ende, nullptr);
    // The closing wait has begun when the last row is marked.
    ASSERT_TRUE(bench::waitUntil([&] { return markShown(form, 6); }, bench::kProgramTimeout));
    const DWORD waitStart = GetTickCount();
    for (int step = 1; step <= 6; ++step)
        EXPECT_TRUE(markShown(form, step)) << step;
    bench::screenshot(form, "progress-done");
    bench::click(ende);
    ASSERT_TRUE(bench::waitUntil([&] { return !IsWindowVisible(form); }, bench::kProgramTimeout));
    const DWORD waited = GetTickCount() - waitStart;
    // Seen late on a busy machine, the wait looks shorter than it was; Ende ending it would
    // take the window away at once.
    EXPECT_GE(waited, 1000u) << "Ende during the wait must not end it early";
    EXPECT_LE(waited, 5000u);
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout, &code));
    EXPECT_EQ(code, 0u);
}

TEST_F(ProgressWindow, DetailsUnfoldAndFoldTheLog) {
    bench::writeFile(bench::iniPath(), dueConfiguration(59));
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    HWND details = GetDlgItem(form, TForm1::kDetailsb);
    ASSERT_NE(details, nullptr);
    bench::click(details);
    // The caption changes last.
    EXPECT_TRUE(bench::waitUntil([&] { return bench::text(details) == "<< &Details"; },
                                 bench::kProgramTimeout));
    EXPECT_EQ(bench::clientSize(form).cy, 329);
    HWND memo = GetDlgItem(form, TForm1::kMemo1);
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(
        bench::waitUntil([&] { return bench::text(memo).find("Fertig.") != std::string::npos; },
                         bench::kProgramTimeout));
    bench::screenshot(form, "progress-details");
    bench::click(details);
    EXPECT_TRUE(bench::waitUntil([&] { return bench::text(details) == "&Details >>"; },
                                 bench::kProgramTimeout));
    EXPECT_EQ(bench::clientSize(form).cy, 269);
}

TEST_F(ProgressWindow, LongFailuresKeepTheNameOnTheStatusLineAndEveryLineInTheProtocol) {
    const std::string missing = std::string(kTestRoot) +
                                "\\Eigene Dateien\\Programme mit langen Namen\\Einstellungen "
                                "und Vorlagen\\Noch ein Ordner\\WICHTIG.INI";
    bench::writeFile(bench::iniPath(), dueConfiguration(0) + "1=" + missing + "\r\n");
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    HWND box = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(box, nullptr) << "a failed copy ends the run with its box";
    bench::answerMessageBox(box, IDOK);
    HWND memo = GetDlgItem(form, TForm1::kMemo1);
    EXPECT_TRUE(bench::waitUntil(
        [&] { return bench::text(memo).find(missing + " konnte nicht") != std::string::npos; },
        bench::kProgramTimeout));
    bench::screenshot(form, "progress-long-status"); // the status line shortens its path
    process.kill();
    // Without a backslash and with a name longer than the room, the text's middle goes.
    bench::writeFile(bench::iniPath(),
                     dueConfiguration(0) + "1=C:" + std::string(126, 'N') + ".INI\r\n");
    form = startRun();
    bench::answerMessageBox(bench::waitForMessageBox(process.pid(), bench::kProgramTimeout), IDOK);
    bench::screenshot(form, "progress-long-name");
    process.kill();

    // 900 failures, more than Windows 95's details box holds: the box keeps the newest whole
    // lines, the protocol every line (broken as the box breaks them).
    std::string config = dueConfiguration(0), failures, protocol;
    for (int i = 1; i <= 900; ++i) {
        const std::string name =
            std::string(kTestRoot) + "\\Nicht-mehr-da\\DATEI" + std::to_string(i);
        config += std::to_string(i) + "=" + name + "\r\n";
        failures += "DieDatei" + name + "konntenichtgesichertwerden.";
    }
    bench::writeFile(bench::iniPath(), config);
    bench::removeAll(std::string(kTestRoot) + "\\backup"); // today's record set of the runs above
    form = startRun();
    bench::answerMessageBox(bench::waitForMessageBox(process.pid(), bench::kProgramTimeout), IDOK);
    const std::string shown = bench::text(GetDlgItem(form, TForm1::kMemo1));
    EXPECT_LE(shown.size(), 60000u);
    EXPECT_EQ(shown.substr(0, 10) + shown.substr(shown.size() - 24),
              "Die Datei Fehler sind aufgetreten.");
    SYSTEMTIME t;
    GetLocalTime(&t);
    const std::string day = talvek::compactDateText({t.wYear, t.wMonth, t.wDay});
    for (char c : bench::readFile(std::string(kTestRoot) + "\\backup\\" + day + "\\PROTOCOL.TXT"))
        if (c != ' ' && c != '\r' && c != '\n') protocol += c;
    EXPECT_NE(protocol.find(failures), std::string::npos);
}

TEST_F(ProgressWindow, OnlyAnExactSwitchStartsARun) {
    HWND form = startRun("\"-S\"");
    EXPECT_NE(form, nullptr) << "the quotes are dropped";
    HWND box = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
    ASSERT_NE(box, nullptr);
    bench::answerMessageBox(box, IDOK);
    EXPECT_TRUE(process.waitExit(bench::kProgramTimeout));

    // Set up already, so the dialog opens without its first-run question.
    bench::writeFile(bench::iniPath(), "[Einstellungen]\r\nfirstrun=1\r\n");
    process = bench::startTalvek("-s2");
    HWND setup = bench::waitForWindow(process.pid(), "TSetupForm", nullptr, bench::kProgramTimeout);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(bench::waitForWindow(process.pid(), "TForm1", nullptr, 500), nullptr);
}

} // namespace

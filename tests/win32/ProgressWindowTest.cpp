// The real talvek.exe in backup mode, driven from outside as a user would.
#include <gtest/gtest.h>

#include "win32/Bench.h"

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
        return bench::waitForWindow(process.pid(), "TForm1", "Talvek 95", 10000);
    }
    bench::Process process;
};

// Whether the screen shows a non-white pixel inside a step's mark square.
bool markShown(HWND form, int step) {
    RECT r;
    GetWindowRect(form, &r);
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (int y = 2; y < 23 && !found; y += 2)
        for (int x = 2; x < 23 && !found; x += 2) {
            COLORREF c = GetPixel(screen, r.left + 56 + x, r.top + 16 + (step - 1) * 32 + y);
            found = c != CLR_INVALID && c != RGB(255, 255, 255);
        }
    ReleaseDC(nullptr, screen);
    return found;
}

TEST_F(ProgressWindow, MissingConfigurationShowsTheMessageAndEnds) {
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    HWND box = bench::waitForMessageBox(process.pid(), 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(bench::text(box), "Ein Fehler ist aufgetreten!");
    EXPECT_EQ(bench::messageBoxText(box), "Ini Datei \"" + bench::windowsDir() +
                                              "\\Talvek95.ini\" wurde nicht gefunden!\n\r"
                                              "Bitte f\xFChren sie zuerst Setup aus.");
    EXPECT_TRUE(markShown(form, 1));
    EXPECT_FALSE(markShown(form, 2));
    bench::screenshot(form, "progress-missing-configuration");
    EXPECT_TRUE(process.running()) << "the program waits for the box to be confirmed";
    bench::answerMessageBox(box, IDOK);
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(bench::exists(bench::iniPath())) << "nothing is created";
}

TEST_F(ProgressWindow, ADueRunMarksEveryRowAndEndsByItself) {
    bench::writeFile(bench::iniPath(), dueConfiguration(0));
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(bench::clientSize(form).cx, 441);
    EXPECT_EQ(bench::clientSize(form).cy, 269);
    EXPECT_TRUE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(10000, &code)) << "a run without errors ends by itself";
    EXPECT_EQ(code, 0u);
}

TEST_F(ProgressWindow, TheClosingWaitLastsItsSecondsAndEndeOnlyNotesTheQuit) {
    bench::writeFile(bench::iniPath(), dueConfiguration(2));
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    HWND ende = bench::findChild(form, "Button", "&Ende");
    ASSERT_NE(ende, nullptr);
    // Wait until the run reached its closing wait: every row is marked then.
    DWORD start = GetTickCount();
    while (!markShown(form, 6) && GetTickCount() - start < 10000)
        bench::pump(20);
    DWORD waitStart = GetTickCount();
    for (int step = 1; step <= 6; ++step)
        EXPECT_TRUE(markShown(form, step)) << step;
    bench::screenshot(form, "progress-done");
    bench::click(ende);
    bench::pump(800);
    EXPECT_TRUE(process.running()) << "Ende during the wait must not end it early";
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(10000, &code));
    DWORD waited = GetTickCount() - waitStart;
    EXPECT_GE(waited, 1500u);
    EXPECT_LE(waited, 5000u) << "including the end of the process under Wine";
    EXPECT_EQ(code, 0u);
}

TEST_F(ProgressWindow, DetailsUnfoldAndFoldTheLog) {
    bench::writeFile(bench::iniPath(), dueConfiguration(59));
    HWND form = startRun();
    ASSERT_NE(form, nullptr);
    HWND details = bench::findChild(form, "Button", "&Details >>");
    ASSERT_NE(details, nullptr);
    bench::click(details);
    bench::pump(500);
    EXPECT_EQ(bench::clientSize(form).cy, 329);
    EXPECT_EQ(bench::text(details), "<< &Details");
    HWND memo = bench::children(form).empty() ? nullptr : bench::children(form).front();
    ASSERT_NE(memo, nullptr);
    EXPECT_NE(bench::text(memo).find("Fertig."), std::string::npos);
    bench::screenshot(form, "progress-details");
    bench::click(details);
    bench::pump(500);
    EXPECT_EQ(bench::clientSize(form).cy, 269);
    EXPECT_EQ(bench::text(details), "&Details >>");
}

TEST_F(ProgressWindow, OnlyAnExactSwitchStartsARun) {
    HWND form = startRun("\"-S\"");
    EXPECT_NE(form, nullptr) << "the quotes are dropped";
    HWND box = bench::waitForMessageBox(process.pid(), 10000);
    ASSERT_NE(box, nullptr);
    bench::answerMessageBox(box, IDOK);
    EXPECT_TRUE(process.waitExit(10000));

    // Set up already, so the dialog opens without its first-run question.
    bench::writeFile(bench::iniPath(), "[Einstellungen]\r\nfirstrun=1\r\n");
    process = bench::startTalvek("-s2");
    HWND setup = bench::waitForWindow(process.pid(), "TSetupForm", nullptr, 10000);
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(bench::waitForWindow(process.pid(), "TForm1", nullptr, 500), nullptr);
}

} // namespace

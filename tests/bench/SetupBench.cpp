// Time from starting talvek.exe to its setup dialog being shown with a file list of 999
// entries, and to its end after it is closed, against a small program that shows an empty
// window (the floor every program with a window pays), alternating, best of several starts.
// Then the dialog's own work in this process: the configuration read and the whole form.
// Not a test that passes or fails on timing: scripts/bench_setup.sh runs it and prints the
// measurements.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/ConfigurationStore.h"
#include "config/IniFile.h"
#include "config/Keys.h"
#include "platform/win32/Win32Platform.h"
#include "ui/setup/SetupForm.h"
#include "ui/toolkit/Application.h"
#include "win32/Bench.h"

namespace {

using bench::nowMs;

const int kEntries = 999;
// Often enough that the moment a window shows is seen within about 10 ms.
const DWORD kPollMs = 5;

struct Times {
    double shown = 0, ended = 0; // from the start: the window shown; the process ended
};

LRESULT fileListEntries(HWND form) {
    return SendMessageA(bench::control(form, talvek::ui::TSetupForm::kRecfileslist), LB_GETCOUNT, 0,
                        0);
}

// Starts the program, waits for its window, closes it and waits for the end.
Times timedStart(const std::string& exe, const std::string& args, const char* cls,
                 const char* caption, int expectedEntries) {
    Times t;
    double start = nowMs();
    bench::Process process = bench::startProgram(exe, args);
    HWND wnd = bench::waitForWindow(process.pid(), cls, caption, 30000, kPollMs);
    t.shown = nowMs() - start;
    EXPECT_NE(wnd, nullptr) << exe;
    if (!wnd) {
        process.kill();
        return Times{};
    }
    if (expectedEntries > 0) {
        EXPECT_EQ(fileListEntries(wnd), expectedEntries);
    }
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(process.waitExit(30000)) << exe;
    t.ended = nowMs() - start;
    return t;
}

void keepBest(double& best, double sample) {
    if (sample > 0 && (best == 0 || sample < best)) best = sample;
}

TEST(SetupBench, DISABLED_StartToDialogWith999Files) {
    std::string ini = "[Einstellungen]\r\nfirstrun=1\r\n[Recovery Files]\r\n";
    for (int i = 0; i < kEntries; ++i)
        ini += std::to_string(i) + "=C:\\Programme\\Anwendung\\Daten\\Datei" + std::to_string(i) +
               ".ini\r\n";
    bench::writeFile(bench::iniPath(), ini);

    const int runs = bench::benchRuns(5);
    Times floor, setup;
    for (int i = 0; i < runs; ++i) {
        Times f = timedStart(bench::floorPath(), "stay", "TalvekBenchFloor", nullptr, 0);
        Times s = timedStart(bench::talvekPath(), "", "TSetupForm", "Talvek 95 - Setup", kEntries);
        keepBest(floor.shown, f.shown);
        keepBest(floor.ended, f.ended);
        keepBest(setup.shown, s.shown);
        keepBest(setup.ended, s.ended);
    }
    ASSERT_GT(setup.shown, 0);
    ASSERT_GT(floor.shown, 0);

    // The dialog's own work inside this process: the whole form (window, controls, the load
    // with its configuration read, the list filled, shown) as at a start, then the file list
    // read alone.
    talvek::ui::Application& app = talvek::ui::Application::instance();
    double start = nowMs();
    if (!app.handle()) {
        EXPECT_TRUE(app.initialize(GetModuleHandleA(nullptr), "Talvek 95").ok());
    }
    const double initMs = nowMs() - start;
    talvek::Win32Platform platform([](talvek::KernelHandle, std::function<void()>) {});
    talvek::ConfigurationStore profile(platform.files, platform.locks);
    double formMs = 0;
    {
        start = nowMs();
        talvek::ui::TSetupForm form(platform, profile);
        formMs = nowMs() - start;
        EXPECT_EQ(fileListEntries(form.hwnd()), kEntries) << "the form in this process";
    }
    talvek::TIniFile file(profile, bench::iniPath());
    start = nowMs();
    std::size_t read = file.ReadList(talvek::keys::kFileList).size();
    const double readMs = nowMs() - start;
    EXPECT_EQ(read, static_cast<std::size_t>(kEntries));
    bench::pump(50); // the quit request the closed form leaves behind
    bench::removeAll(bench::iniPath());

    std::printf("setup bench: %d file-list entries, best of %d alternating starts\n", kEntries,
                runs);
    std::printf("  floor, empty window: shown after            %7.0f ms, ended after %7.0f ms\n",
                floor.shown, floor.ended);
    std::printf("  talvek.exe, setup dialog: shown after       %7.0f ms, ended after %7.0f ms\n",
                setup.shown, setup.ended);
    std::printf("  ratio setup dialog shown / floor shown:     %7.2f   (target at most 1.20)\n",
                setup.shown / floor.shown);
    std::printf("  ratio start to end / floor start to end:    %7.2f\n", setup.ended / floor.ended);
    std::printf("  shares of the time until shown (%.0f ms):\n", setup.shown);
    std::printf("    %-40s %7.0f ms %5.1f %%\n", "the empty-window floor", floor.shown,
                100 * floor.shown / setup.shown);
    std::printf("    %-40s %7.0f ms %5.1f %%\n", "our own (dialog - floor)",
                setup.shown - floor.shown, 100 * (setup.shown - floor.shown) / setup.shown);
    std::printf("  in this process: application start          %7.0f ms\n", initMs);
    std::printf("                   the whole form, shown       %7.0f ms\n", formMs);
    std::printf("                   the file list read alone    %7.0f ms (%.0f %% of the form)\n",
                readMs, 100 * readMs / formMs);
}

} // namespace

// Time from starting talvek.exe to its setup dialog being shown, with a file list of 999
// entries. Not a test that passes or fails on timing: scripts/bench_setup.sh runs it and
// prints the measurements.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "win32/Bench.h"

namespace {

int runs() {
    const char* env = std::getenv("TALVEK_BENCH_RUNS");
    int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : 5;
}

TEST(SetupBench, DISABLED_StartToDialogWith999Files) {
    std::string ini = "[Einstellungen]\r\nfirstrun=1\r\n[Recovery Files]\r\n";
    for (int i = 0; i < 999; ++i)
        ini += std::to_string(i) + "=C:\\Programme\\Anwendung\\Daten\\Datei" + std::to_string(i) +
               ".ini\r\n";
    bench::writeFile(bench::iniPath(), ini);

    std::vector<DWORD> times;
    for (int i = 0; i < runs(); ++i) {
        DWORD start = GetTickCount();
        bench::Process process = bench::startTalvek("");
        HWND form = bench::waitForWindow(process.pid(), "TSetupForm", "Talvek 95 - Setup", 30000);
        DWORD elapsed = GetTickCount() - start;
        ASSERT_NE(form, nullptr);
        HWND list = nullptr;
        for (HWND child : bench::children(form)) {
            char cls[32] = {};
            GetClassNameA(child, cls, sizeof cls);
            if (lstrcmpiA(cls, "ListBox") == 0) list = child;
        }
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 999);
        times.push_back(elapsed);
        PostMessageA(form, WM_CLOSE, 0, 0);
        process.waitExit(10000);
    }
    bench::removeAll(bench::iniPath());
    std::sort(times.begin(), times.end());
    std::string report = "setup bench: 999 files, " + std::to_string(times.size()) +
                         " starts, start to dialog shown: min " + std::to_string(times.front()) +
                         " ms, median " + std::to_string(times[times.size() / 2]) + " ms, max " +
                         std::to_string(times.back()) + " ms\n";
    fputs(report.c_str(), stdout);
}

} // namespace

// The banner's cost while it scrolls the about page's credits (ScrollInterval 100,
// ScrollPixels 1). Not a test that passes or fails on timing: scripts/bench_banner.sh runs it
// and prints the measurements.
#include <gtest/gtest.h>

#include <string>

#include "ui/components/Banner.h"
#include "ui/setup/logic/SetupTexts.h"
#include "win32/AboutBanner.h"
#include "win32/ComponentTestHost.h"

using namespace talvek::ui;

namespace {

// CPU time of this process in milliseconds (kernel and user).
double cpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

// Handles messages until the time is up, sleeping until each one arrives (the test bench's pump
// wakes every 10 ms, which would cost more than the banner itself).
void runLoop(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

DWORD seconds() {
    const char* env = std::getenv("TALVEK_BENCH_SECONDS");
    DWORD s = env ? static_cast<DWORD>(std::atoi(env)) : 0;
    return s > 0 ? s : 20;
}

TEST(ComponentBench, DISABLED_BannerScrollingTheCredits) {
    componenttest::HostWindow host(260, 90);
    const DWORD runMs = seconds() * 1000;

    // The same message loop with an empty timer of the same interval: what waking up ten
    // times a second costs under Wine, before the banner does anything.
    SetTimer(host.get(), 1, 100, nullptr);
    runLoop(500);
    double start = cpuMs();
    runLoop(runMs);
    const double idleMs = cpuMs() - start;
    KillTimer(host.get(), 1);

    TBanner banner;
    componenttest::EventCounter frames;
    banner.OnScroll.connect(&frames, &componenttest::EventCounter::fired);
    componenttest::loadAboutBanner(banner, talvek::setup::creditLines());
    ASSERT_FALSE(banner.CreateIn(host.get(), 10, 10, 217, 57));
    runLoop(500);
    const unsigned long framesBefore = frames.count, copiesBefore = banner.ScreenCopies();
    start = cpuMs();
    runLoop(runMs);
    const double busyMs = cpuMs() - start;
    const unsigned long f = frames.count - framesBefore, c = banner.ScreenCopies() - copiesBefore;

    const double perSecond = busyMs / seconds(), idlePerSecond = idleMs / seconds();
    std::string report =
        "banner bench: " + std::to_string(talvek::setup::creditLines().size()) + " lines, " +
        std::to_string(seconds()) + " s, " + std::to_string(f) + " frames, " + std::to_string(c) +
        " screen copies\n" + "  CPU while scrolling: " + std::to_string(perSecond) +
        " ms per second = " + std::to_string(perSecond / 10.0) + " % of one core\n" +
        "  CPU of an empty 100 ms timer: " + std::to_string(idlePerSecond) + " ms per second\n" +
        "  banner's share:               " + std::to_string((perSecond - idlePerSecond) / 10.0) +
        " % of one core\n";
    fputs(report.c_str(), stdout);
    EXPECT_EQ(c, f) << "one screen copy per frame";
    // Tight loop: what one frame costs without waiting.
    EXPECT_FALSE(banner.SetScrollInterval(0));
    start = cpuMs();
    const DWORD t0 = GetTickCount();
    for (int i = 0; i < 2000; ++i)
        ASSERT_FALSE(banner.ScrollStep());
    const double tight = cpuMs() - start;
    fputs(("  one frame in a tight loop: " + std::to_string(tight / 2000.0) + " ms CPU, " +
           std::to_string((GetTickCount() - t0) / 2000.0) + " ms wall\n")
              .c_str(),
          stdout);
}

} // namespace

// The banner's cost while it scrolls the about page's credits (ScrollInterval 100,
// ScrollPixels 1). Not a test that passes or fails on timing: scripts/bench_banner.sh runs it
// and prints the measurements.
#include <gtest/gtest.h>

#include <string>

#include "ui/components/Banner.h"
#include "ui/setup/logic/SetupTexts.h"
#include "win32/Bench.h"
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

DWORD seconds() {
    const char* env = std::getenv("TALVEK_BENCH_SECONDS");
    DWORD s = env ? static_cast<DWORD>(std::atoi(env)) : 0;
    return s > 0 ? s : 20;
}

TEST(ComponentBench, DISABLED_BannerScrollingTheCredits) {
    componenttest::HostWindow host(260, 90);
    const DWORD runMs = seconds() * 1000;

    // The same message loop with nothing scrolling: what Wine costs on its own.
    bench::pump(500);
    double start = cpuMs();
    bench::pump(runMs);
    const double idleMs = cpuMs() - start;

    TBanner banner(nullptr);
    unsigned long frames = 0;
    banner.OnScroll = [&](TComponent&) { ++frames; };
    LoadComponents({&banner}, [&] {
        banner.SetColor(clBlack);
        TFontSpec font;
        font.name = "Arial";
        font.height = 11;
        font.color = clGray;
        banner.SetFont(font);
        banner.SetLinesAlign(TAlignment::taLeftJustify);
        banner.SetScrollDirection(TScrollDirection::sdBottomToTop);
        banner.SetScrollInterval(100);
        banner.SetScrollPixels(1);
        banner.SetLines(talvek::setup::creditLines());
    });
    banner.CreateIn(host.get(), 10, 10, 217, 57);
    bench::pump(500);
    const unsigned long framesBefore = frames, copiesBefore = banner.ScreenCopies();
    start = cpuMs();
    bench::pump(runMs);
    const double busyMs = cpuMs() - start;
    const unsigned long f = frames - framesBefore, c = banner.ScreenCopies() - copiesBefore;

    const double perSecond = busyMs / seconds(), idlePerSecond = idleMs / seconds();
    std::string report =
        "banner bench: " + std::to_string(talvek::setup::creditLines().size()) + " lines, " +
        std::to_string(seconds()) + " s, " + std::to_string(f) + " frames, " + std::to_string(c) +
        " screen copies\n" + "  CPU while scrolling: " + std::to_string(perSecond) +
        " ms per second = " + std::to_string(perSecond / 10.0) + " % of one core\n" +
        "  CPU of the idle loop: " + std::to_string(idlePerSecond) + " ms per second\n" +
        "  banner's share:      " + std::to_string((perSecond - idlePerSecond) / 10.0) +
        " % of one core\n";
    fputs(report.c_str(), stdout);
    EXPECT_EQ(c, f) << "one screen copy per frame";
}

} // namespace

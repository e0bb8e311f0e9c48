// TBanner in a real window: the credits scroll from bottom to top, pixel for pixel, with one
// copy to the screen per frame. And the toolkit under it: a control's notification reaches
// its handler, and the window procedure shows the error a handler returns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/components/Banner.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/Layout.h"
#include "ui/toolkit/Panel.h"
#include "ui/toolkit/StandardControls.h"
#include "win32/AboutBanner.h"
#include "win32/Bench.h"
#include "win32/ComponentTestHost.h"

using namespace talvek::ui;
using componenttest::capture;
using componenttest::Pixels;

namespace {

std::vector<std::string> sixtyLines() {
    std::vector<std::string> lines;
    for (int i = 1; i <= 60; ++i)
        lines.push_back(i % 4 == 0 ? std::string()
                                   : "Zeile " + std::to_string(i) + " der Laufschrift");
    return lines;
}

// The about page's banner with sixty numbered lines.
void setUpAboutBanner(TBanner& banner, HWND parent) {
    componenttest::loadAboutBanner(banner, sixtyLines());
    ASSERT_FALSE(banner.CreateIn(parent, 10, 10, 217, 57));
}

int textPixels(const Pixels& p, int fromRow, int toRow) {
    int n = 0;
    for (int y = fromRow; y < toRow; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.at(x, y) != 0) ++n;
    return n;
}

TEST(ComponentBanner, LinesScrollUpByTheStepsTakenOneCopyPerFrame) {
    const HWND host = componenttest::sharedHost();
    TBanner banner;
    setUpAboutBanner(banner, host);
    ASSERT_NE(banner.hwnd(), nullptr);
    EXPECT_TRUE(banner.Enabled());
    EXPECT_EQ(banner.StripHeight() % 60, 0);
    EXPECT_GT(banner.StripHeight(), 60 * 8);

    // The window timer drives it: about ten steps a second.
    bench::pump(1200);
    const int timerSteps = banner.ScrollPos();
    EXPECT_GE(timerSteps, 5);
    EXPECT_LE(timerSteps, 14);

    // Hold it still (interval 0 stops the timer, scrolling stays on) and step by hand.
    EXPECT_FALSE(banner.SetScrollInterval(0));
    EXPECT_TRUE(banner.Enabled());
    bench::pump(300);
    banner.SetScrollPos(40);
    EXPECT_FALSE(banner.ScrollStep());
    bench::pump(100);
    const Pixels first = capture(banner.hwnd());
    bench::screenshot(host, "banner-1");
    ASSERT_EQ(first.width, 217);
    ASSERT_EQ(first.height, 57);
    EXPECT_EQ(first.at(0, 0), 0u); // black above the strip's top edge (57 - 41)
    EXPECT_GT(textPixels(first, 16, 57), 50);
    EXPECT_EQ(textPixels(first, 0, 16), 0);

    const int kSteps = 12;
    const unsigned long copiesBefore = banner.ScreenCopies();
    for (int i = 0; i < kSteps; ++i)
        EXPECT_FALSE(banner.ScrollStep());
    EXPECT_EQ(banner.ScreenCopies() - copiesBefore, static_cast<unsigned long>(kSteps));
    EXPECT_EQ(banner.ScrollPos(), 41 + kSteps);
    const Pixels second = capture(banner.hwnd());
    bench::screenshot(host, "banner-2");

    // Every row moved up by exactly kSteps pixels.
    int differing = 0;
    for (int y = 0; y + kSteps < first.height; ++y)
        for (int x = 0; x < first.width; ++x)
            if (second.at(x, y) != first.at(x, y + kSteps)) ++differing;
    EXPECT_EQ(differing, 0);
    EXPECT_GT(textPixels(second, 4, 16), 0); // text now where the first shot was black
}

TEST(ComponentBanner, APictureStripScrollsLeftWithoutGap) {
    const HWND host = componenttest::sharedHost();
    // A 20 by 10 picture: left half white, right half black.
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 20, 10);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, picture);
    RECT all{0, 0, 20, 10}, left{0, 0, 10, 10};
    FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(mem, &left, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);

    TBanner banner;
    banner.SetColor(clBlack);
    banner.SetNoGap(true);
    EXPECT_FALSE(banner.SetScrollInterval(0));
    EXPECT_FALSE(banner.SetBitmap(picture));
    DeleteObject(picture); // the banner keeps its own copy
    EXPECT_TRUE(banner.Enabled());
    EXPECT_EQ(banner.SetBitmap(picture).text(), "Ungültiges Bild");
    ASSERT_FALSE(banner.CreateIn(host, 10, 10, 100, 10));
    banner.SetScrollPos(4);
    InvalidateRect(banner.hwnd(), nullptr, FALSE);
    UpdateWindow(banner.hwnd());
    const Pixels p = capture(banner.hwnd());
    // Copies with left edges at 96, 76, ..., -4: white from 96, 76, ..., 16 and 0 to 5.
    for (int x = 0; x < 100; ++x) {
        const bool white = ((x + 4) % 20) < 10;
        EXPECT_EQ(p.at(x, 5), white ? 0xFFFFFFu : 0u) << x;
    }
}

// Reads and answers the notice box from a second thread while the banner's thread waits in
// the box's modal loop.
struct NoticeReader {
    DWORD waitMs;
    std::string caption, text;
    bool found = false;
    HANDLE thread = nullptr;
    explicit NoticeReader(DWORD ms) : waitMs(ms) {
        thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
    }
    void finish() {
        WaitForSingleObject(thread, waitMs + 5000);
        CloseHandle(thread);
    }
    static DWORD WINAPI run(LPVOID self) {
        auto* r = static_cast<NoticeReader*>(self);
        HWND box = bench::waitForMessageBox(GetCurrentProcessId(), r->waitMs);
        if (!box) return 1;
        r->found = true;
        r->caption = bench::text(box);
        r->text = bench::messageBoxText(box);
        bench::answerMessageBox(box, IDOK);
        return 0;
    }
};

// Counts the visible message boxes of this process.
BOOL CALLBACK countBox(HWND wnd, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    char cls[16] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && IsWindowVisible(wnd) && std::string(cls) == "#32770")
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct ErrorBoxWatcher : Receiver {
    volatile LONG stop = 0;
    int boxes = 0, stepsWhileOpen = 0;
    volatile LONG steps = 0;
    std::string caption;
    // A banner's handler that fails shows the error box inside the step, as a failed repaint
    // does.
    void stepFails(BannerCore&) {
        InterlockedIncrement(&steps);
        if (!stop) Application::instance().showError("Schritt fehlgeschlagen");
    }
    static DWORD WINAPI run(LPVOID self) {
        auto* w = static_cast<ErrorBoxWatcher*>(self);
        HWND box = bench::waitForMessageBox(GetCurrentProcessId(), 5000);
        if (!box) return 1;
        const LONG before = w->steps;
        Sleep(600); // a dozen intervals of 50 ms
        EnumWindows(countBox, reinterpret_cast<LPARAM>(&w->boxes));
        w->stepsWhileOpen = static_cast<int>(w->steps - before);
        w->caption = bench::text(box);
        InterlockedExchange(&w->stop, 1);
        // Answer every box there is, so that a regression fails instead of hanging.
        for (HWND open = box; open; open = bench::waitForMessageBox(GetCurrentProcessId(), 300))
            bench::answerMessageBox(open, IDOK), Sleep(50);
        return 0;
    }
};

TEST(ComponentBanner, AFailingStepShowsOneErrorBoxNotOnePerTick) {
    const HWND host = componenttest::sharedHost();
    TBanner banner;
    setUpAboutBanner(banner, host);
    ErrorBoxWatcher watcher;
    banner.OnScroll.connect(&watcher, &ErrorBoxWatcher::stepFails);
    HANDLE thread = CreateThread(nullptr, 0, ErrorBoxWatcher::run, &watcher, 0, nullptr);
    EXPECT_FALSE(banner.SetScrollInterval(50));
    bench::pump(1500);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    EXPECT_FALSE(banner.SetEnabled(false));
    EXPECT_EQ(watcher.boxes, 1);
    EXPECT_EQ(watcher.stepsWhileOpen, 0);
    EXPECT_EQ(watcher.caption, "Talvek 95");
}

void holdKeys(bool shift, bool ctrl) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
}

TEST(ComponentBanner, DoubleClickWithShiftAndCtrlShowsTheNotice) {
    const HWND host = componenttest::sharedHost();
    TBanner banner;
    setUpAboutBanner(banner, host);
    componenttest::EventCounter doubleClicks;
    banner.OnDblClick.connect(&doubleClicks, &componenttest::EventCounter::fired);

    holdKeys(true, false); // Shift alone: the event, no box (a wrong box gets answered)
    NoticeReader none(1000);
    SendMessageA(banner.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 5));
    none.finish();
    EXPECT_EQ(doubleClicks.count, 1u);
    EXPECT_FALSE(none.found);

    holdKeys(true, true);
    NoticeReader reader(5000);
    SendMessageA(banner.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT | MK_CONTROL,
                 MAKELPARAM(5, 5));
    reader.finish();
    holdKeys(false, false);
    EXPECT_EQ(doubleClicks.count, 2u);
    ASSERT_TRUE(reader.found);
    EXPECT_EQ(reader.caption, "*** TBanner component ***   Version 1.0.5");
    EXPECT_FALSE(reader.text.empty());
}

// A panel whose button's handler fails.
struct ButtonPanel : Panel {
    ButtonPanel() : Panel(Panel::Look::Plain) {}
    talvek::AppError buttonClick() {
        ++clicks;
        return talvek::AppError("Die Taste klemmt");
    }
    int clicks = 0;
    Button button;
};

TEST(ComponentToolkit, AClickReachesItsHandlerAndItsErrorShowsInTheErrorBox) {
    ButtonPanel panel;
    ASSERT_FALSE(panel.createIn(componenttest::sharedHost(), 0, 0, 200, 60));
    const ControlLayout layout{"Taste", "BUTTON", "&Los",        100, 10, 10,
                               80,      25,       BS_PUSHBUTTON, 0,   0,  0};
    ASSERT_FALSE(createControl(layout, panel.hwnd(), nullptr, WS_VISIBLE, &panel.button));
    panel.button.onClick.connect(&panel, &ButtonPanel::buttonClick);
    NoticeReader reader(5000);
    SendMessageA(panel.button.hwnd(), BM_CLICK, 0, 0);
    reader.finish();
    EXPECT_EQ(panel.clicks, 1);
    ASSERT_TRUE(reader.found);
    EXPECT_EQ(reader.caption, "Talvek 95");
    EXPECT_EQ(reader.text, "Die Taste klemmt.");
}

} // namespace

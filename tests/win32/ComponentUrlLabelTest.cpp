// TUrlLabel in a real window: the click reaches ShellExecuteA with the expected arguments,
// the pressed colour and its restore, the hand pointer, and "Copy" onto the real clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Shell.h"
#include "ui/components/UrlLabel.h"
#include "win32/Bench.h"
#include "win32/ComponentTestHost.h"

using namespace talvek::ui;

namespace {

struct ShellCall {
    HWND owner;
    std::string verb, file;
    bool noParameters, noDirectory;
    INT show;
    TColor colourMeanwhile;
};
std::vector<ShellCall> calls;
const TUrlLabel* observed = nullptr;

HINSTANCE WINAPI recordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR directory, INT show) {
    calls.push_back({owner, verb ? verb : "", file ? file : "", parameters == nullptr,
                     directory == nullptr, show, observed ? observed->FontColor() : 0});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

HWND applicationWindow() {
    return Application::instance().handle();
}

LPARAM at(int x, int y) {
    return MAKELPARAM(x, y);
}

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void putOnClipboard(const std::string& text) {
    talvek::Win32Shell(&applicationWindow).copyText(text);
}

struct ComponentUrlLabel : ::testing::Test {
    const HWND host = componenttest::sharedHost();
    TUrlLabel label;
    talvek::Win32Shell recordingShell{&applicationWindow, &recordShellExecute};

    void SetUp() override {
        calls.clear();
        observed = &label;
        label.SetCaption("Homepage: www.example.org");
        label.SetURL("  http://www.example.org/");
        ASSERT_FALSE(label.CreateIn(host, 10, 10, 211, 13));
        label.SetShell(&recordingShell);
    }
    HWND wnd() const { return label.hwnd(); }
};

TEST_F(ComponentUrlLabel, ClickGoesToShellExecuteWithTheApplicationWindow) {
    SendMessageA(wnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    EXPECT_EQ(GetCapture(), wnd());
    EXPECT_EQ(label.FontColor(), clPurple);
    SendMessageA(wnd(), WM_LBUTTONUP, 0, at(6, 5));
    ASSERT_EQ(calls.size(), 1u);
    const ShellCall& call = calls[0];
    EXPECT_EQ(call.owner, Application::instance().handle());
    EXPECT_NE(call.owner, host);
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, "  http://www.example.org/"); // as stored, not trimmed
    EXPECT_TRUE(call.noParameters);
    EXPECT_TRUE(call.noDirectory);
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
    EXPECT_EQ(call.colourMeanwhile, clPurple);
    EXPECT_EQ(label.FontColor(), clBlue);
    EXPECT_NE(GetCapture(), wnd());
}

TEST_F(ComponentUrlLabel, ReleaseOutsideRestoresTheColourWithoutOpening) {
    SendMessageA(wnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    SendMessageA(wnd(), WM_LBUTTONUP, 0, at(250, 5));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(label.FontColor(), clBlue);
    EXPECT_NE(GetCapture(), wnd());
}

TEST_F(ComponentUrlLabel, ShowsTheHandCursorFromTheProgramsResources) {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), "HAND");
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(SendMessageA(wnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), hand);
}

TEST_F(ComponentUrlLabel, PressedColourIsPaintedAndTheRestColourComesBack) {
    label.SetColor(clBlack);
    label.SetFontColor(clGray);
    label.SetShell(nullptr);
    auto colours = [&] {
        componenttest::Pixels p = componenttest::capture(wnd());
        bool grey = false, purple = false;
        for (std::uint32_t px : p.data) {
            grey = grey || px == 0x808080;
            purple = purple || px == 0x800080; // RGB order here: red 80, blue 80
        }
        return std::make_pair(grey, purple);
    };
    EXPECT_EQ(colours(), std::make_pair(true, false));
    SendMessageA(wnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    EXPECT_EQ(colours(), std::make_pair(false, true));
    bench::screenshot(host, "urllabel-pressed");
    SendMessageA(wnd(), WM_LBUTTONUP, 0, at(400, 5));
    EXPECT_EQ(colours(), std::make_pair(true, false));
    EXPECT_EQ(label.FontColor(), clGray);
}

// Answers the context menu from the keyboard once it shows, on a thread of its own while the
// menu's modal loop runs on the test's thread.
struct MenuDriver {
    HWND target;
    std::vector<WPARAM> keys;
    bool shown = false;
    HANDLE thread = nullptr;

    MenuDriver(HWND t, std::vector<WPARAM> k) : target(t), keys(std::move(k)) {
        thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
    }
    // Waits for the driver; true when it found the menu and pressed its keys.
    bool finish() {
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
        thread = nullptr;
        return shown;
    }
    static DWORD WINAPI run(LPVOID self) {
        auto* d = static_cast<MenuDriver*>(self);
        for (int i = 0; i < 200; ++i) {
            HWND menu = FindWindowA("#32768", nullptr);
            if (menu && IsWindowVisible(menu)) {
                d->shown = true;
                Sleep(100);
                for (WPARAM key : d->keys)
                    PostMessageA(d->target, WM_KEYDOWN, key, 0);
                return 0;
            }
            Sleep(25);
        }
        return 1;
    }
};

TEST_F(ComponentUrlLabel, CopyFromTheContextMenuPutsTheCaptionOnTheClipboard) {
    TUrlLabel real; // with the label's own shell seam: the real clipboard
    real.SetCaption("E-Mail: kontakt@example.org");
    real.SetURL("mailto:kontakt@example.org");
    ASSERT_FALSE(real.CreateIn(host, 10, 30, 150, 13));
    char item[32] = {};
    ASSERT_EQ(GetMenuItemCount(real.PopupMenu()), 1);
    GetMenuStringA(real.PopupMenu(), 0, item, sizeof item, MF_BYPOSITION);
    EXPECT_STREQ(item, "Copy");

    putOnClipboard("vorher");
    ASSERT_EQ(clipboardText(), "vorher");
    SetForegroundWindow(host);
    MenuDriver driver(real.hwnd(), {VK_DOWN, VK_RETURN});
    // A right click as the window receives it; the menu opens through WM_CONTEXTMENU.
    SendMessageA(real.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, at(5, 5));
    SendMessageA(real.hwnd(), WM_RBUTTONUP, 0, at(5, 5));
    EXPECT_TRUE(driver.finish()) << "the menu never showed";
    bench::pump(200);
    EXPECT_EQ(clipboardText(), "E-Mail: kontakt@example.org");
}

TEST_F(ComponentUrlLabel, RightButtonOpensTheMenuAndChangesNoColour) {
    putOnClipboard("vorher");
    SendMessageA(wnd(), WM_RBUTTONDOWN, MK_RBUTTON, at(5, 5));
    EXPECT_EQ(label.FontColor(), clBlue);
    EXPECT_NE(GetCapture(), wnd());
    MenuDriver driver(wnd(), {VK_ESCAPE});
    SendMessageA(wnd(), WM_RBUTTONUP, 0, at(5, 5));
    EXPECT_TRUE(driver.finish());
    EXPECT_EQ(label.FontColor(), clBlue);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(clipboardText(), "vorher");
}

} // namespace

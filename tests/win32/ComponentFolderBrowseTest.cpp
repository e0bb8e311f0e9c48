// TFolderBrowse with the shell's real folder browser, driven through its window from a second
// thread while Execute waits in the browser's modal loop.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

#include "ui/components/FBrowse.h"
#include "win32/Bench.h"
#include "win32/ComponentTestHost.h"

using namespace talvek::ui;

namespace {

const char* const kTitle = "Talvek 95 - Sicherungsverzeichnis :";

struct FoundDialog {
    HWND dialog = nullptr;
};

BOOL CALLBACK findBrowser(HWND wnd, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (std::string(cls) == "#32770" && IsWindowVisible(wnd)) {
        reinterpret_cast<FoundDialog*>(param)->dialog = wnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectTexts(HWND wnd, LPARAM param) {
    auto* texts = reinterpret_cast<std::string*>(param);
    *texts += bench::text(wnd) + "|";
    return TRUE;
}

// What the driver saw in the browser, and the button it pressed.
struct BrowserDriver {
    DWORD guiThread;
    int button;
    bool found = false;
    std::string texts, selected;
    HANDLE thread = nullptr;

    BrowserDriver(int b) : guiThread(GetCurrentThreadId()), button(b) {
        thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
    }
    void finish() {
        WaitForSingleObject(thread, 20000);
        CloseHandle(thread);
    }
    static DWORD WINAPI run(LPVOID self) {
        auto* d = static_cast<BrowserDriver*>(self);
        FoundDialog found;
        for (int i = 0; i < 400 && !found.dialog; ++i) {
            Sleep(25);
            EnumThreadWindows(d->guiThread, findBrowser, reinterpret_cast<LPARAM>(&found));
        }
        if (!found.dialog) return 1;
        d->found = true;
        Sleep(500); // let the browser open its tree down to the preselected folder
        EnumChildWindows(found.dialog, collectTexts, reinterpret_cast<LPARAM>(&d->texts));
        if (HWND tree = FindWindowExA(found.dialog, nullptr, WC_TREEVIEWA, nullptr)) {
            HTREEITEM item =
                reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
            char name[MAX_PATH] = {};
            TVITEMA tv{};
            tv.mask = TVIF_TEXT;
            tv.hItem = item;
            tv.pszText = name;
            tv.cchTextMax = sizeof name;
            if (item && SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)))
                d->selected = name;
        }
        PostMessageA(found.dialog, WM_COMMAND, MAKEWPARAM(d->button, BN_CLICKED), 0);
        return 0;
    }
};

const std::string kRoot = "C:\\talvek_fbrowse";
const std::string kFolder = kRoot + "\\Sicherung";

struct ComponentFolderBrowse : ::testing::Test {
    static void SetUpTestSuite() {
        bench::removeAll(kRoot);
        CreateDirectoryA(kRoot.c_str(), nullptr);
        CreateDirectoryA(kFolder.c_str(), nullptr);
        // Under Wine the first browser of a process now and then (about one run in three)
        // opens at the desktop although the preselection was sent; later browsers of the same
        // process never did. One browser opened and cancelled first keeps that start-up effect
        // out of the cases below.
        TFolderBrowse warmUp;
        warmUp.SetDirectory(kFolder);
        BrowserDriver driver(IDCANCEL);
        warmUp.Execute(componenttest::sharedHost());
        driver.finish();
    }
    static void TearDownTestSuite() { bench::removeAll(kRoot); }
    void SetUp() override { browse.SetTitle(kTitle); }

    const HWND host = componenttest::sharedHost();
    TFolderBrowse browse;
    const std::string root = kRoot;
    const std::string folder = kFolder;
};

TEST_F(ComponentFolderBrowse, ConfirmingThePreselectedFolderReturnsItsPath) {
    browse.SetDirectory(folder);
    BrowserDriver driver(IDOK);
    const bool chosen = browse.Execute(host);
    driver.finish();
    ASSERT_TRUE(driver.found) << "no browser window";
    EXPECT_NE(driver.texts.find(kTitle), std::string::npos) << driver.texts;
    EXPECT_EQ(driver.selected, "Sicherung");
    EXPECT_TRUE(chosen);
    EXPECT_EQ(browse.Directory(), folder);
}

TEST_F(ComponentFolderBrowse, CancellingLeavesDirectoryAsItWas) {
    browse.SetDirectory(folder);
    BrowserDriver driver(IDCANCEL);
    EXPECT_FALSE(browse.Execute(host));
    driver.finish();
    EXPECT_TRUE(driver.found);
    EXPECT_EQ(browse.Directory(), folder);
}

TEST_F(ComponentFolderBrowse, ADriveRootKeepsItsSeparator) {
    browse.SetDirectory("C:\\");
    BrowserDriver driver(IDOK);
    const bool chosen = browse.Execute(host);
    driver.finish();
    EXPECT_TRUE(chosen);
    EXPECT_EQ(browse.Directory(), "C:\\");
}

TEST_F(ComponentFolderBrowse, AMissingFolderIsHandedOverUncheckedAndCancelKeepsIt) {
    const std::string missing = root + "\\gibt\\es\\nicht";
    browse.SetDirectory(missing);
    BrowserDriver driver(IDCANCEL);
    EXPECT_FALSE(browse.Execute(host));
    driver.finish();
    EXPECT_TRUE(driver.found);
    EXPECT_EQ(browse.Directory(), missing);
}

} // namespace

#include "ui/toolkit/Application.h"

#include <commctrl.h>

#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {
const char* const kApplicationClass = "TApplication";
}

Application& Application::instance() {
    static Application app;
    return app;
}

AppError Application::initialize(HINSTANCE instance, const std::string& title) {
    instance_ = instance;
    title_ = title;
    InitCommonControls();
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = kApplicationClass;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (!RegisterClassA(&wc))
        return AppError("Fensterklasse " + std::string(kApplicationClass) +
                        " kann nicht registriert werden");
    window_ = CreateWindowExA(0, kApplicationClass, title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    if (!window_) return windowNotCreated(kApplicationClass);
    return AppError();
}

void Application::watch(KernelHandle handle, std::function<void()> signalled) {
    watched_ = std::move(handle);
    signalled_ = std::move(signalled);
}

void Application::dispatch(MSG& msg) {
    HWND top = main_;
    if (top && IsDialogMessageA(top, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int Application::run() {
    static const bool never = false;
    runUntil(never);
    return 0;
}

bool Application::runUntil(const bool& done) {
    MSG msg;
    while (!done) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            waitForInput(INFINITE);
            continue;
        }
        if (msg.message == WM_QUIT) return false;
        dispatch(msg);
    }
    return true;
}

void Application::processPendingMessages(unsigned maxWaitMs) {
    waitForInput(maxWaitMs);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT) dispatch(msg); // the caller ends by itself
}

void Application::waitForInput(DWORD timeoutMs) {
    // The wait wakes only for messages that came after the last look, which found none.
    HANDLE handle = watched_.get();
    const DWORD count = handle ? 1 : 0;
    if (MsgWaitForMultipleObjects(count, &handle, FALSE, timeoutMs, QS_ALLINPUT) != WAIT_OBJECT_0 ||
        !count)
        return;
    watched_.reset();
    std::function<void()> signalled = std::move(signalled_);
    signalled_ = nullptr;
    if (signalled) signalled();
}

void Application::beginWork() {
    working_ = true;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void Application::pumpWork() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop after the work
            return;
        }
        const UINT m = msg.message;
        if ((m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
            (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK))
            continue;
        DispatchMessageA(&msg);
    }
}

void Application::endWork() {
    working_ = false;
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

std::string withFullStop(const std::string& text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + ".";
    return text;
}

void Application::showError(const std::string& text) {
    MessageBoxA(main_, withFullStop(text).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace talvek::ui

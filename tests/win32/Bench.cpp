#include "win32/Bench.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace bench {

std::string exeDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\'));
}

std::string talvekPath() {
    return exeDir() + "\\talvek.exe";
}

std::string windowsDir() {
    char dir[MAX_PATH] = {};
    GetWindowsDirectoryA(dir, MAX_PATH);
    return dir;
}

std::string iniPath() {
    return windowsDir() + "\\Talvek95.ini";
}

Process::~Process() {
    if (handle_) CloseHandle(handle_);
}

Process::Process(Process&& o) noexcept
    : handle_(std::exchange(o.handle_, nullptr)), pid_(std::exchange(o.pid_, 0)) {}

Process& Process::operator=(Process&& o) noexcept {
    if (this != &o) {
        if (handle_) CloseHandle(handle_);
        handle_ = std::exchange(o.handle_, nullptr);
        pid_ = std::exchange(o.pid_, 0);
    }
    return *this;
}

bool Process::waitExit(DWORD timeoutMs, DWORD* code) {
    if (!handle_) return false;
    if (WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) return false;
    DWORD exitCode = 0;
    GetExitCodeProcess(handle_, &exitCode);
    if (code) *code = exitCode;
    return true;
}

bool Process::running() {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

void Process::kill() {
    if (running()) {
        TerminateProcess(handle_, 99);
        WaitForSingleObject(handle_, 5000);
    }
}

Process startProgram(const std::string& exe, const std::string& args) {
    std::string line = "\"" + exe + "\" " + args;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        exeDir().c_str(), &si, &pi))
        return Process();
    CloseHandle(pi.hThread);
    return Process(pi.hProcess, pi.dwProcessId);
}

Process startTalvek(const std::string& args) {
    return startProgram(talvekPath(), args);
}

std::string floorPath() {
    return exeDir() + "\\bench_floor.exe";
}

double nowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

int benchRuns(int fallback) {
    const char* env = std::getenv("TALVEK_BENCH_RUNS");
    int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : fallback;
}

namespace {

struct WindowQuery {
    DWORD pid;
    const char* className;
    const char* caption;
    HWND found;
};

BOOL CALLBACK matchTopLevel(HWND wnd, LPARAM param) {
    auto* q = reinterpret_cast<WindowQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != q->pid || !IsWindowVisible(wnd)) return TRUE;
    char cls[256] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (lstrcmpiA(cls, q->className) != 0) return TRUE;
    if (q->caption && text(wnd) != q->caption) return TRUE;
    q->found = wnd;
    return FALSE;
}

BOOL CALLBACK collectChild(HWND wnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
    return TRUE;
}

void dispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Blocks until a message arrives, the object (if any) is signalled or the time is up.
void waitForInput(HANDLE object, DWORD ms) {
    MsgWaitForMultipleObjects(object ? 1 : 0, object ? &object : nullptr, FALSE, ms, QS_ALLINPUT);
}

} // namespace

HWND waitForWindow(DWORD pid, const char* className, const char* caption, DWORD timeoutMs,
                   DWORD pollMs) {
    // A program that has ended shows nothing any more: its end stops the wait too. A run may
    // show its window for less than a tenth of a second, so the look is taken often.
    HANDLE process = pid == GetCurrentProcessId() ? nullptr : OpenProcess(SYNCHRONIZE, FALSE, pid);
    HWND found = nullptr;
    const DWORD start = GetTickCount();
    for (;;) {
        WindowQuery q{pid, className, caption, nullptr};
        EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&q));
        found = q.found;
        if (found) break;
        if (process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0) break;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) break;
        dispatchPending();
        waitForInput(process, std::min<DWORD>(pollMs, timeoutMs - elapsed));
    }
    if (process) CloseHandle(process);
    return found;
}

HWND waitForMessageBox(DWORD pid, DWORD timeoutMs) {
    return waitForWindow(pid, "#32770", nullptr, timeoutMs);
}

std::string messageBoxText(HWND box) {
    // The message text is the static control with the id 0xFFFF.
    HWND label = GetDlgItem(box, 0xFFFF);
    return label ? text(label) : std::string();
}

void answerMessageBox(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

std::string text(HWND wnd) {
    char buffer[65536] = {}; // a details box holds up to 60,000 characters
    LRESULT got = SendMessageA(wnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<std::size_t>(got > 0 ? got : 0));
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> result;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&result));
    return result;
}

HWND control(HWND window, int id) {
    if (HWND direct = GetDlgItem(window, id)) return direct;
    for (HWND child : children(window))
        if (HWND inner = GetDlgItem(child, id)) return inner;
    return nullptr;
}

void click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

SIZE clientSize(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        dispatchPending();
        waitForInput(nullptr, 10);
    } while (GetTickCount() - start < ms);
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        dispatchPending();
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        waitForInput(nullptr, std::min<DWORD>(10, timeoutMs - elapsed));
    }
}

void screenshot(HWND wnd, const std::string& name) {
    const char* dir = std::getenv("TALVEK_SCREENSHOTS");
    if (!dir || !*dir) return;
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump(200);
    RECT r{};
    GetWindowRect(wnd, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(mem, old);

    BITMAPINFOHEADER bih{};
    bih.biSize = sizeof bih;
    bih.biWidth = w;
    bih.biHeight = h;
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    bih.biCompression = BI_RGB;
    DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u);
    std::string pixels(stride * static_cast<DWORD>(h), '\0');
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(h), &pixels[0],
              reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER bfh{};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string file(reinterpret_cast<const char*>(&bfh), sizeof bfh);
    file.append(reinterpret_cast<const char*>(&bih), sizeof bih);
    file += pixels;
    writeFile(std::string(dir) + "\\" + name + ".bmp", file);
}

std::string readFile(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::string();
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(f);
    return content;
}

void writeFile(const std::string& path, const std::string& content) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(f, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(f);
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != 0xFFFFFFFF;
}

void removeAll(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == 0xFFFFFFFF) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name != "." && name != "..") removeAll(path + "\\" + name);
        } while (FindNextFileA(find, &fd));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

} // namespace bench

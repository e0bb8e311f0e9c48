#include "win32/SetupDriver.h"

#include <commctrl.h>

namespace setupdrive {

namespace {

// A buffer inside another process, for messages whose pointer arguments are not copied.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND wnd, SIZE_T size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    LPARAM param() const { return reinterpret_cast<LPARAM>(address_); }
    std::string read() const {
        std::string data(size_, '\0');
        SIZE_T got = 0;
        if (address_) ReadProcessMemory(process_, address_, &data[0], size_, &got);
        data.resize(got);
        return data;
    }

  private:
    SIZE_T size_;
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

} // namespace

std::string statusPanel(HWND statusBar, int part) {
    RemoteBuffer buffer(statusBar, 1024);
    SendMessageA(statusBar, SB_GETTEXTA, static_cast<WPARAM>(part), buffer.param());
    std::string text = buffer.read();
    return text.substr(0, text.find('\0'));
}

void clickTab(HWND tabs, int index) {
    RemoteBuffer buffer(tabs, sizeof(RECT));
    SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), buffer.param());
    std::string data = buffer.read();
    RECT r{};
    if (data.size() >= sizeof r) memcpy(&r, data.data(), sizeof r);
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(tabs, WM_LBUTTONUP, 0, at);
    bench::pump(300);
}

int currentTab(HWND tabs) {
    return static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

std::vector<std::string> listLines(HWND listBox) {
    std::vector<std::string> lines;
    int count = static_cast<int>(SendMessageA(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // Between processes the platform hands list box text over as Unicode.
        wchar_t wide[1024] = {};
        SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char buffer[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, buffer, sizeof buffer, nullptr, nullptr);
        lines.emplace_back(buffer);
    }
    return lines;
}

bool checked(HWND checkBox) {
    return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void mouseOver(HWND control) {
    PostMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    bench::pump(200);
}

void mouseOverDisabled(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    POINT at{r.left + 3, r.top + 1};
    ScreenToClient(GetParent(control), &at);
    PostMessageA(GetParent(control), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    bench::pump(200);
}

void typeText(HWND edit, const std::string& text) {
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    bench::pump(100);
}

bool waitEnabled(HWND wnd, bool enabled, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while ((IsWindowEnabled(wnd) != FALSE) != enabled) {
        if (GetTickCount() - start > timeoutMs) return false;
        bench::pump(50);
    }
    return true;
}

bool noMessageBox(DWORD pid, DWORD timeoutMs) {
    return bench::waitForMessageBox(pid, timeoutMs) == nullptr;
}

void ensureRunKey() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

std::string runValue(bool* present) {
    *present = false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
    char data[1024] = {};
    DWORD size = sizeof data, type = 0;
    LONG rc =
        RegQueryValueExA(key, "Talvek95", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_SZ) return "";
    *present = true;
    return std::string(data, size > 0 ? size - 1 : 0); // the stored length counts the zero
}

void setRunValue(const std::string& data) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "Talvek95", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
}

void deleteRunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, "Talvek95");
    RegCloseKey(key);
}

std::vector<std::string> iniLines() {
    std::string text = bench::readFile(bench::iniPath());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace setupdrive

#include "platform/win32/Win32Shell.h"

#include <shellapi.h>

#include <cstring>

namespace talvek {

Win32Shell::Win32Shell(HWND (*owner)(), ShellExecuteFn execute)
    : owner_(owner), execute_(execute ? execute : &ShellExecuteA) {}

void Win32Shell::open(const std::string& target) {
    // The shell reports failures through its result; a link that cannot be opened is simply
    // without effect.
    execute_(owner_ ? owner_() : nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::copyText(const std::string& text) {
    HWND owner = owner_ ? owner_() : nullptr;
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    if (memory) {
        if (void* bytes = GlobalLock(memory)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            // The clipboard owns the memory once it accepted it.
            if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

} // namespace talvek

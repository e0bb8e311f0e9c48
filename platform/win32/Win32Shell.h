// The shell seam over ShellExecuteA and the clipboard.
#pragma once
#include <windows.h>

#include "platform/Shell.h"

namespace talvek {

class Win32Shell : public Shell {
  public:
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    // `owner` gives the window handed to the shell at each call (the application window).
    // `execute` lets a test observe the exact call; it defaults to ShellExecuteA.
    explicit Win32Shell(HWND (*owner)(), ShellExecuteFn execute = nullptr);
    void open(const std::string& target) override;
    void copyText(const std::string& text) override;

  private:
    HWND (*owner_)();
    ShellExecuteFn execute_;
};

} // namespace talvek

// Driving the real setup dialog from outside: the status bar and tabs read through memory in
// talvek.exe's own process (the platform copies no pointer arguments of common-control
// messages between processes), the pointer over its controls, the Run key.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win32/Bench.h"

namespace setupdrive {

std::string statusPanel(HWND statusBar, int part);
// Clicks on the notebook's tab as a user does (button down and up on the tab).
void clickTab(HWND tabs, int index);
int currentTab(HWND tabs);
std::vector<std::string> listLines(HWND listBox);
bool checked(HWND checkBox);
// Moves the pointer over the control (as the platform reports it to the control).
void mouseOver(HWND control);
// Moves the pointer over a disabled control: the platform reports it to the control's parent.
void mouseOverDisabled(HWND control);
// Types the text into an edit field (its change notification follows).
void typeText(HWND edit, const std::string& text);

// Waits until the window's enabled state is `enabled`.
bool waitEnabled(HWND wnd, bool enabled, DWORD timeoutMs);
// True when no message box of the process shows up within the time.
bool noMessageBox(DWORD pid, DWORD timeoutMs);

const char* const kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
void ensureRunKey();
// The value "Talvek95" of the Run key; `present` false when it is missing.
std::string runValue(bool* present);
void setRunValue(const std::string& data);
void deleteRunValue();

// The configuration file's lines, without empty ones and without line ends.
std::vector<std::string> iniLines();

} // namespace setupdrive

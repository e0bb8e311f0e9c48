// Helpers for the Windows-side tests: starting talvek.exe, finding and driving its windows
// the way a user would, answering message boxes, files on the C: drive and screenshots.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

// How long the tests wait for the program to show a window or a box, or to end. A start takes
// about two seconds, but on a machine busy with other builds it can take many times that; a
// wait ends as soon as its condition holds, so only a failing test waits this long.
constexpr DWORD kProgramTimeout = 60000;

// The folder of the running test program, which holds talvek.exe too.
std::string exeDir();
std::string talvekPath();
// The Windows directory of the Wine prefix (C:\windows) and the configuration file in it.
std::string windowsDir();
std::string iniPath();

class Process {
  public:
    Process() = default;
    Process(HANDLE process, DWORD pid) : handle_(process), pid_(pid) {}
    ~Process();
    Process(Process&& o) noexcept;
    Process& operator=(Process&& o) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD pid() const { return pid_; }
    HANDLE handle() const { return handle_; }
    // True when the process ended within the time; its exit code in `code`.
    bool waitExit(DWORD timeoutMs, DWORD* code = nullptr);
    bool running();
    void kill();

  private:
    HANDLE handle_ = nullptr;
    DWORD pid_ = 0;
};

// Starts a program of this folder's with the given argument text (command line: "exe " + args).
Process startProgram(const std::string& exe, const std::string& args);
// Starts talvek.exe with the given argument text (the command line is "talvek.exe " + args).
Process startTalvek(const std::string& args);

// For the benchmarks: the floor program (tests/bench), a clock in milliseconds, and how many
// alternating runs to make (TALVEK_BENCH_RUNS, else the fallback).
std::string floorPath();
double nowMs();
int benchRuns(int fallback);

// A visible top-level window of the process with this class (and caption, unless null),
// looked for every pollMs; none as soon as the process has ended.
HWND waitForWindow(DWORD pid, const char* className, const char* caption, DWORD timeoutMs,
                   DWORD pollMs = 10);
// A message box (dialog class #32770) of the process.
HWND waitForMessageBox(DWORD pid, DWORD timeoutMs);
// The text of a message box and its caption.
std::string messageBoxText(HWND box);
// Presses a message box button: IDOK, IDYES, IDNO ...
void answerMessageBox(HWND box, int buttonId);

std::string text(HWND wnd);
std::vector<HWND> children(HWND parent);
// The control of one of our windows with the id from its form's enum: GetDlgItem on the
// window, or on the page or panel of it that holds the control.
HWND control(HWND window, int id);
// A click as the user makes it: posted, so a modal box it opens does not block the test.
void click(HWND button);
SIZE clientSize(HWND wnd);
// Handles this thread's messages for a while.
void pump(DWORD ms);
// Handles this thread's messages until the condition holds (true) or the time is up (false).
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Saves what the screen shows of the window as build/screenshots/<name>.bmp (made PNG later).
void screenshot(HWND wnd, const std::string& name);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);
bool exists(const std::string& path);
// Removes a file or a whole folder tree, clearing attributes first; no error when missing.
void removeAll(const std::string& path);

} // namespace bench

// The floor of the benchmarks: a small GUI program that pays what every program with a window
// pays on this system (its start, a top-level window shown and painted, its end) and nothing
// of ours. With "copy" it also makes the file calls a due backup run makes for each file.
//   bench_floor show            shows an empty window, closes it and ends
//   bench_floor stay            shows an empty window and ends when it is closed
//   bench_floor copy SRC DST N  shows an empty window, copies SRC\F<i>.DAT to DST\F<i>.DAT for
//                               i < N (CopyFileA refusing an existing target, then
//                               SetFileAttributesA on the copy, GetFileAttributesA on the
//                               source), closes it and ends; exit code 1 when a copy failed
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

LRESULT CALLBACK windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(wnd, message, wParam, lParam);
}

int copyFiles(const char* from, const char* to, int count) {
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        char source[2 * MAX_PATH], copy[2 * MAX_PATH];
        wsprintfA(source, "%s\\F%d.DAT", from, i);
        wsprintfA(copy, "%s\\F%d.DAT", to, i);
        if (!CopyFileA(source, copy, TRUE)) ++failed;
        SetFileAttributesA(copy, 0);
        GetFileAttributesA(source);
    }
    return failed;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    char mode[16] = {}, from[MAX_PATH] = {}, to[MAX_PATH] = {};
    int count = 0;
    std::sscanf(commandLine, "%15s %259s %259s %d", mode, from, to, &count);

    WNDCLASSA wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TalvekBenchFloor";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowExA(0, wc.lpszClassName, "Talvek Bench Floor", WS_OVERLAPPEDWINDOW,
                               CW_USEDEFAULT, CW_USEDEFAULT, 489, 314, nullptr, nullptr, instance,
                               nullptr);
    if (!wnd) return 2;
    ShowWindow(wnd, SW_SHOWNORMAL);
    UpdateWindow(wnd);

    int failed = std::strcmp(mode, "copy") == 0 ? copyFiles(from, to, count) : 0;
    if (std::strcmp(mode, "stay") != 0) PostMessageA(wnd, WM_CLOSE, 0, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return failed ? 1 : 0;
}

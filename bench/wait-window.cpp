// Measures how long a program takes from its start until its window shows.
//
//   wait-window.exe RUNS TITLE PROGRAM.exe [ARGS...]
//
// Starts PROGRAM RUNS times, one after the other, each in the program's own
// folder. For each run it prints the milliseconds from CreateProcess until a
// visible top-level window of that process has a title beginning with TITLE,
// then closes the program (WM_CLOSE, or ends it when it does not go within
// 5 s). Exit status 0 when every run showed its window within 60 s.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process_id;
    const std::wstring* title;
    HWND found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id != search->process_id || !IsWindowVisible(window)) return TRUE;
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    if (std::wstring(text).rfind(*search->title, 0) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK PostClose(HWND window, LPARAM process_id) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(process_id)) PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

std::wstring Quote(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    for (wchar_t c : argument) {
        if (c == L'"') quoted += L'\\';
        quoted += c;
    }
    return quoted + L"\"";
}

// One run: the milliseconds until the window shows, or -1.
double Run(const std::wstring& command_line, const std::wstring& folder, const std::wstring& title) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = command_line;
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "wait-window: cannot start the program (error %lu)\n", GetLastError());
        return -1;
    }
    double elapsed = -1;
    for (;;) {
        Search search{process.dwProcessId, &title, nullptr};
        EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
        if (search.found) {
            elapsed = ms;
            break;
        }
        if (ms > 60000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    EnumWindows(PostClose, static_cast<LPARAM>(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: wait-window RUNS TITLE PROGRAM.exe [ARGS...]\n");
        return 2;
    }
    int runs = _wtoi(argv[1]);
    std::wstring title = argv[2];
    std::wstring command_line;
    for (int i = 3; i < argc; ++i) command_line += (i > 3 ? L" " : L"") + Quote(argv[i]);
    wchar_t full[MAX_PATH];
    wchar_t* name = nullptr;
    std::wstring folder;
    if (GetFullPathNameW(argv[3], MAX_PATH, full, &name) && name) folder.assign(full, name);
    int status = 0;
    for (int i = 0; i < runs; ++i) {
        double ms = Run(command_line, folder, title);
        if (ms < 0) {
            std::printf("timeout\n");
            status = 1;
        } else {
            std::printf("%.1f\n", ms);
        }
        std::fflush(stdout);
    }
    return status;
}

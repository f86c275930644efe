// Measures how long programs take from their start until their window shows.
//
//   wait-window.exe RUNS "TITLE|PROGRAM.exe" ["TITLE|PROGRAM.exe" ...]
//
// Starts the programs in turn, RUNS rounds of one start each, so that they
// share whatever the machine is doing; each runs in its own folder. For each
// round it prints one line: per program the milliseconds from CreateProcess
// until a visible top-level window of that process has a title beginning
// with its TITLE, or "timeout". After each start the program is closed
// (WM_CLOSE, or ended when it does not go within 5 s). Exit status 0 when
// every start showed its window within 60 s.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

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
    if (argc < 3) {
        std::fprintf(stderr, "usage: wait-window RUNS \"TITLE|PROGRAM.exe\" ...\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    struct Program {
        std::wstring title, command_line, folder;
    };
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::wstring pair = argv[i];
        const std::size_t bar = pair.find(L'|');
        if (bar == std::wstring::npos) {
            std::fprintf(stderr, "wait-window: \"TITLE|PROGRAM.exe\" expected\n");
            return 2;
        }
        Program program{pair.substr(0, bar), Quote(pair.substr(bar + 1)), L""};
        wchar_t full[MAX_PATH];
        wchar_t* name = nullptr;
        if (GetFullPathNameW(pair.substr(bar + 1).c_str(), MAX_PATH, full, &name) && name)
            program.folder.assign(full, name);
        programs.push_back(program);
    }
    int status = 0;
    for (int i = 0; i < runs; ++i) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const double ms = Run(programs[p].command_line, programs[p].folder, programs[p].title);
            if (ms < 0) {
                std::printf("%stimeout", p ? " " : "");
                status = 1;
            } else {
                std::printf("%s%.1f", p ? " " : "", ms);
            }
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return status;
}

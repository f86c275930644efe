#include "program_probe.h"

#include <shellapi.h>

#include <chrono>
#include <thread>

namespace probe {

namespace {

// Polls condition every 20 ms until it holds or the deadline passes.
bool PollUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

struct TopLevelSearch {
    DWORD processId;
    const std::function<bool(const std::wstring&, const std::wstring&)>* match;
    HWND found;
};

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    if (!(*search->match)(ClassName(window), WindowText(window))) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (unsigned n = GetTickCount();; ++n) {
        path_ = std::wstring(base) + L"kelvo-test-" + std::to_wstring(n);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() {
    // SHFileOperation wants a double-NUL-terminated list.
    std::wstring from = path_ + L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

void TempFolder::WriteFile(const std::wstring& name, const std::string& bytes) const {
    HANDLE file = CreateFileW((path_ + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void TempFolder::CopyIn(const std::wstring& source, const std::wstring& name) const {
    CopyFileW(source.c_str(), (path_ + L"\\" + name).c_str(), FALSE);
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

Program::Program(const std::wstring& exe, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   folder.c_str(), &startup, &info_);
}

Program::~Program() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND Program::WaitForWindow(
    const std::function<bool(const std::wstring&, const std::wstring&)>& match,
    int timeoutMs) const {
    TopLevelSearch search{info_.dwProcessId, &match, nullptr};
    PollUntil(
        [&] {
            EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

HWND Program::WaitForMessageBox(int timeoutMs) const {
    return WaitForWindow(
        [](const std::wstring& className, const std::wstring&) { return className == L"#32770"; },
        timeoutMs);
}

bool Program::WaitForExit(int timeoutMs) const {
    return info_.hProcess &&
           WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<ChildWindow> Children(HWND parent) {
    std::vector<ChildWindow> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ChildWindow entry{child, ClassName(child), WindowText(child), {}, IsWindowVisible(child) != 0};
        GetWindowRect(child, &entry.rect);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&entry.rect), 2);
        children.push_back(entry);
    }
    return children;
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

SIZE OuterSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring MessageBoxText(HWND box) {
    // The message text is the static control with the id 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    if (text) return WindowText(text);
    for (const ChildWindow& child : Children(box))
        if (child.className == L"Static" && !child.text.empty()) return child.text;
    return L"";
}

void DismissMessageBox(HWND box) {
    for (const ChildWindow& child : Children(box)) {
        if (child.className == L"Button") {
            PostMessageW(child.handle, BM_CLICK, 0, 0);
            return;
        }
    }
    PostMessageW(box, WM_CLOSE, 0, 0);
}

}  // namespace probe

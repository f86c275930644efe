#include "program_probe.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <memory>

#include "forms/win32/edit.h"
#include "forms/win32/toolbar.h"
#include "forms/win32/tree_view.h"
#include "menu_reader.h"

namespace probe {

namespace {

struct TopLevelSearch {
    DWORD processId;
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    if (!(*search->match)(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

ChildWindow Describe(HWND window, HWND relativeTo) {
    ChildWindow entry{window, ClassName(window), WindowText(window), {}, IsWindowVisible(window) != 0};
    GetWindowRect(window, &entry.rect);
    MapWindowPoints(HWND_DESKTOP, relativeTo, reinterpret_cast<POINT*>(&entry.rect), 2);
    return entry;
}

struct DescendantSearch {
    HWND root;
    std::vector<ChildWindow>* found;
};

BOOL CALLBACK AddDescendant(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DescendantSearch*>(parameter);
    search->found->push_back(Describe(window, search->root));
    return TRUE;
}

std::vector<MenuTitle> ToTitles(const menu_reader::Snapshot& snapshot) {
    std::vector<MenuTitle> bar;
    for (LONG i = 0; i < snapshot.count; ++i) {
        const menu_reader::Item& item = snapshot.items[i];
        std::wstring text(item.text);
        if (item.level == 0) {
            bar.push_back({text, {}});
        } else if (!bar.empty()) {
            if (item.state & MF_SEPARATOR) text = L"-";
            bar.back().entries.push_back({text, item.id, item.state});
        }
    }
    return bar;
}

// Reads the menu bar inside the window's process: menu_reader.dll, hooked
// into its thread, answers a posted request through shared memory.
// Asks the program of window, through the reader DLL lent to it, to copy
// what the request message asks for into shared memory; then reads it.
bool AskInside(HWND window, const wchar_t* requestMessage, int timeoutMs,
               menu_reader::Snapshot& answer) {
    static HMODULE reader = LoadLibraryW((OwnFolder() + L"\\menu_reader.dll").c_str());
    // GetProcAddress gives every function as FARPROC.
    const auto hook = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(reader, menu_reader::kHookProcName)));
    if (!hook) return false;
    static LONG requests = 0;
    const LPARAM request = InterlockedIncrement(&requests);
    wchar_t memoryName[96], eventName[96];
    menu_reader::SharedNames(GetCurrentProcessId(), request, memoryName, eventName);
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(menu_reader::Snapshot), memoryName);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, eventName);
    bool answered = false;
    if (mapping && done) {
        HHOOK installed =
            SetWindowsHookExW(WH_GETMESSAGE, hook, reader, GetWindowThreadProcessId(window, nullptr));
        if (installed &&
            PostMessageW(window, RegisterWindowMessageW(requestMessage), GetCurrentProcessId(),
                         request) &&
            WaitForSingleObject(done, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0) {
            if (const auto* snapshot = static_cast<const menu_reader::Snapshot*>(
                    MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(menu_reader::Snapshot)))) {
                answered = snapshot->complete != 0;
                if (answered) answer = *snapshot;
                UnmapViewOfFile(snapshot);
            }
        }
        if (installed) UnhookWindowsHookEx(installed);
    }
    if (done) CloseHandle(done);
    if (mapping) CloseHandle(mapping);
    return answered;
}

std::vector<MenuTitle> ReadMenuBarInside(HWND window, int timeoutMs) {
    const auto snapshot = std::make_unique<menu_reader::Snapshot>();
    if (!AskInside(window, menu_reader::kRequestMessage, timeoutMs, *snapshot)) return {};
    return ToTitles(*snapshot);
}

// Memory in another window's process, for messages that pass a pointer: the
// controls' wrappers send its address, the window's process reads and
// writes there.
class RemoteMemory {
public:
    RemoteMemory(HWND window, std::size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                      PAGE_READWRITE);
    }
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* Address() const { return address_; }
    template <class T>
    T* As() const {
        return static_cast<T*>(address_);
    }
    bool Write(const void* from) const {
        SIZE_T written = 0;
        return address_ && WriteProcessMemory(process_, address_, from, size_, &written) &&
               written == size_;
    }
    bool Read(void* to) const {
        SIZE_T read = 0;
        return address_ && ReadProcessMemory(process_, address_, to, size_, &read) && read == size_;
    }

private:
    std::size_t size_;
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

void Send(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

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

std::vector<std::wstring> TempFolder::FileNames() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
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

HWND Program::WaitForWindow(const std::function<bool(HWND)>& match, int timeoutMs) const {
    TopLevelSearch search{info_.dwProcessId, &match, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

HWND Program::WaitForWindow(
    const std::function<bool(const std::wstring&, const std::wstring&)>& match,
    int timeoutMs) const {
    return WaitForWindow(
        [&](HWND window) { return match(ClassName(window), WindowText(window)); }, timeoutMs);
}

HWND Program::WaitForMessageBox(int timeoutMs) const {
    return WaitForWindow(
        [](const std::wstring& className, const std::wstring&) { return className == L"#32770"; },
        timeoutMs);
}

HWND Program::WaitForMessageBox(const std::wstring& caption, int timeoutMs) const {
    return WaitForWindow(
        [&](HWND window) {
            return ClassName(window) == L"#32770" && WindowText(window) == caption &&
                   GetDlgItem(window, kMessageTextId) != nullptr;
        },
        timeoutMs);
}

HWND Program::WaitForDialog(const std::wstring& caption, int timeoutMs) const {
    return WaitForWindow(
        [&](const std::wstring& className, const std::wstring& text) {
            return className == L"#32770" && text == caption;
        },
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
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(Describe(child, parent));
    return children;
}

std::vector<ChildWindow> Descendants(HWND root) {
    std::vector<ChildWindow> found;
    DescendantSearch search{root, &found};
    EnumChildWindows(root, AddDescendant, reinterpret_cast<LPARAM>(&search));
    return found;
}

const ChildWindow* Find(const std::vector<ChildWindow>& windows, const std::wstring& className,
                        const std::wstring& text) {
    for (const ChildWindow& window : windows)
        if (_wcsicmp(window.className.c_str(), className.c_str()) == 0 && window.text == text)
            return &window;
    return nullptr;
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
    HWND text = GetDlgItem(box, kMessageTextId);
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

bool PressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && PostMessageW(button, BM_CLICK, 0, 0);
}

// ---- Menus ------------------------------------------------------------------------------

std::vector<MenuTitle> ReadMenuBar(HWND window, int timeoutMs) {
    HMENU bar = GetMenu(window);
    if (!bar) return {};
    if (GetMenuItemCount(bar) < 0) return ReadMenuBarInside(window, timeoutMs);
    const auto snapshot = std::make_unique<menu_reader::Snapshot>();
    menu_reader::CopyMenuBar(window, *snapshot);
    return ToTitles(*snapshot);
}

std::optional<ShownPicture> ReadPicture(HWND control, int timeoutMs) {
    const auto snapshot = std::make_unique<menu_reader::Snapshot>();
    if (!AskInside(control, menu_reader::kPictureRequestMessage, timeoutMs, *snapshot))
        return std::nullopt;
    return ShownPicture{SIZE{snapshot->picture.width, snapshot->picture.height},
                        snapshot->picture.middle};
}

const MenuEntry* FindMenuEntry(const std::vector<MenuTitle>& bar, const std::wstring& title,
                               const std::wstring& entry) {
    for (const MenuTitle& candidate : bar) {
        if (candidate.text != title) continue;
        for (const MenuEntry& item : candidate.entries)
            if (item.text == entry) return &item;
    }
    return nullptr;
}

void ChooseMenuEntry(HWND window, const MenuEntry& entry) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(entry.id, 0), 0);
}

// ---- Keyboard and mouse -------------------------------------------------------------------

bool BringToFront(HWND window, int timeoutMs) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == window) return true;
            SetForegroundWindow(window);
            return false;
        },
        timeoutMs);
}

void PressKeys(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    auto key = [&](WORD virtualKey, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD virtualKey : virtualKeys) key(virtualKey, 0);
    for (auto it = std::rbegin(virtualKeys); it != std::rend(virtualKeys); ++it)
        key(*it, KEYEVENTF_KEYUP);
    Send(inputs);
}

bool PressKeysUntil(HWND window, std::initializer_list<WORD> virtualKeys,
                    const std::function<bool()>& condition, int timeoutMs) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!BringToFront(window)) continue;
        PressKeys(virtualKeys);
        if (WaitUntil(condition, timeoutMs)) return true;
    }
    return false;
}

void MoveMouse(POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> inputs(1);
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dx = MulDiv(screen.x, 65535, width - 1);
    inputs[0].mi.dy = MulDiv(screen.y, 65535, height - 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(inputs);
}

void Click() {
    std::vector<INPUT> inputs(2);
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    Send(inputs);
}

POINT ScreenPoint(HWND window, const RECT& clientRect) {
    POINT point{(clientRect.left + clientRect.right) / 2, (clientRect.top + clientRect.bottom) / 2};
    ClientToScreen(window, &point);
    return point;
}

COLORREF ScreenColor(POINT screen) {
    HDC desktop = GetDC(nullptr);
    if (!desktop) return CLR_INVALID;
    const COLORREF color = GetPixel(desktop, screen.x, screen.y);
    ReleaseDC(nullptr, desktop);
    return color;
}

// ---- Controls of another process -----------------------------------------------------------

std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index) {
    RemoteMemory memory(toolbar, sizeof(RECT));
    RECT rect{};
    if (!memory.Address() ||
        !forms::win32::native::Toolbar(toolbar).GetItemRect(index, memory.As<RECT>()) ||
        !memory.Read(&rect))
        return std::nullopt;
    return rect;
}

std::optional<RECT> TreeItemRect(HWND tree, HTREEITEM item) {
    using forms::win32::native::TreeView;
    RemoteMemory memory(tree, sizeof(RECT));
    RECT rect = TreeView::ItemInRect(item);
    if (!memory.Address() || !memory.Write(&rect) ||
        !TreeView(tree).GetItemRect(memory.As<RECT>(), true) || !memory.Read(&rect))
        return std::nullopt;
    return rect;
}

std::vector<std::wstring> TreeRootTexts(HWND tree) {
    using forms::win32::native::TreeView;
    constexpr int kTextLength = 512;
    struct Request {
        TVITEMW item;
        wchar_t text[kTextLength];
    };
    RemoteMemory memory(tree, sizeof(Request));
    std::vector<std::wstring> texts;
    if (!memory.Address()) return texts;
    const TreeView view(tree);
    for (HTREEITEM item = view.Root(); item; item = view.NextSibling(item)) {
        Request request{};
        request.item.mask = TVIF_TEXT;
        request.item.hItem = item;
        // The text buffer's address in the tree's process.
        request.item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(memory.Address()) +
                                                          offsetof(Request, text));
        request.item.cchTextMax = kTextLength;
        if (!memory.Write(&request) || !view.GetItem(*memory.As<TVITEMW>()) ||
            !memory.Read(&request))
            break;
        request.text[kTextLength - 1] = L'\0';
        texts.emplace_back(request.text);
    }
    return texts;
}

std::wstring FileVersion(const std::wstring& program) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(program.c_str(), 0, size, data.data())) return {};
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\StringFileInfo\\040704B0\\ProductVersion",
                        reinterpret_cast<void**>(&text), &length) ||
        !text)
        return {};
    return std::wstring(text, length > 0 ? length - 1 : 0);
}

// ---- Common dialogs ------------------------------------------------------------------------

bool SubmitFileDialog(HWND dialog, const std::wstring& path) {
    // The file name field: a combo box (cmb13) with an edit control inside
    // on Windows, a plain edit control (edt1) in older layouts and Wine.
    constexpr int kFileNameCombo = 0x47C;
    constexpr int kFileNameEdit = 0x480;
    HWND field = nullptr;
    if (HWND combo = GetDlgItem(dialog, kFileNameCombo)) {
        field = FindWindowExW(combo, nullptr, L"Edit", nullptr);
        if (!field)
            if (HWND inner = FindWindowExW(combo, nullptr, L"ComboBox", nullptr))
                field = FindWindowExW(inner, nullptr, L"Edit", nullptr);
    }
    if (!field) field = GetDlgItem(dialog, kFileNameEdit);
    if (!field) return false;
    forms::win32::native::Edit(field).SetText(path.c_str());
    return PressButton(dialog, IDOK);
}

}  // namespace probe

// The platform work of the menu program, written plainly: what the start of
// kelvo.exe cannot do without on the demo CD. A yardstick of the start-up
// benchmark (scripts/benchmark), built with the same compiler and flags as
// kelvo.exe, run from the same folder:
//
// - the wait window with its icon and three texts, shown and painted first;
// - every key of kelvo.ini read with one profile call each;
// - the menu window and its child windows (ten picture buttons, ten
//   captions, the description, three buttons, four hidden picture areas),
//   captions in the project's font;
// - the background bitmap tiled onto a backing bitmap;
// - each entry's picture: an icon file loaded, or the shell asked for the
//   small and the large icon (SHGetFileInfo and ImageList_Draw);
// - the wait window gone, the menu window shown.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr int kItems = 10;

HDC g_surface = nullptr;  // the backing bitmap of the menu window
HBRUSH g_background = nullptr;

LRESULT CALLBACK MenuProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        const RECT& r = paint.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, g_surface, r.left, r.top,
               SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 128));
        POINT origin{0, 0};
        MapWindowPoints(reinterpret_cast<HWND>(lparam), window, &origin, 1);
        SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
        return reinterpret_cast<LRESULT>(g_background);
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

std::wstring Folder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder;
}

std::wstring Read(const std::wstring& ini, const std::wstring& section, const wchar_t* key,
                  const wchar_t* fallback, DWORD room) {
    std::vector<wchar_t> buffer(room + 1);
    const DWORD length = GetPrivateProfileStringW(section.c_str(), key, fallback, buffer.data(),
                                                  room + 1, ini.c_str());
    return std::wstring(buffer.data(), length);
}

// A path on the program's drive when it begins with "\".
std::wstring OnDrive(const std::wstring& folder, const std::wstring& path) {
    return !path.empty() && path[0] == L'\\' ? folder.substr(0, 2) + path : path;
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w,
           int h, HFONT font) {
    HWND child = CreateWindowExW(0, cls, text, WS_CHILD | style, x, y, w, h, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

// The shell's icon of path drawn onto grey, size x size, as a bitmap.
HBITMAP ShellIcon(const std::wstring& path, bool small, int size) {
    SHFILEINFOW info{};
    const UINT flags = SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    const auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, flags));
    if (!list) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size + 1, size + 1);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH grey = CreateSolidBrush(RGB(192, 192, 192));
    RECT all{0, 0, size + 1, size + 1};
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    ImageList_Draw(list, info.iIcon, dc, 0, 0, ILD_TRANSPARENT);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = MenuProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window_class.lpszClassName = L"PlainMenu";
    RegisterClassW(&window_class);
    WNDCLASSW wait_class = window_class;
    wait_class.lpfnWndProc = DefWindowProcW;
    wait_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wait_class.lpszClassName = L"PlainWait";
    RegisterClassW(&wait_class);

    HFONT dialog = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HFONT bold = CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             L"MS Sans Serif");

    // The wait window, painted before the project is read.
    HWND wait = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"PlainWait", L"",
                                WS_POPUP | WS_DLGFRAME, 400, 300, 227, 96, nullptr, nullptr,
                                instance, nullptr);
    Child(wait, L"STATIC", L"", SS_ICON | WS_VISIBLE, 8, 16, 32, 32, dialog);
    Child(wait, L"STATIC", L"Pavonel 98", WS_VISIBLE, 64, 16, 150, 14, bold);
    Child(wait, L"STATIC", L"Einstellungen werden geladen.", WS_VISIBLE, 64, 40, 150, 14, dialog);
    Child(wait, L"STATIC", L"Bitte warten...", WS_VISIBLE, 64, 56, 150, 14, dialog);
    ShowWindow(wait, SW_SHOWNOACTIVATE);
    UpdateWindow(wait);

    // Every key, one profile call each.
    const std::wstring folder = Folder();
    const std::wstring ini = folder + L"kelvo.ini";
    const std::wstring general = L"General";
    const std::wstring name = Read(ini, general, L"Name", L"Pavonel", 99);
    const int items = _wtoi(Read(ini, general, L"Items", L"1", 2).c_str());
    Read(ini, general, L"BackColor", L"8421376", 10);
    Read(ini, general, L"ForeColor", L"8454143", 10);
    Read(ini, general, L"HighColor", L"8388608", 10);
    const int size = _wtoi(Read(ini, general, L"Fontsize", L"8", 2).c_str());
    const std::wstring face = Read(ini, general, L"Font", L"MS Sans Serif", 19);
    const std::wstring back = Read(ini, general, L"BackgroundPic", L"", 199);
    Read(ini, general, L"ColorPic", L"true", 5);
    Read(ini, general, L"SplashTime", L"30", 2);
    Read(ini, general, L"SplashPic", L"", 199);
    std::vector<std::wstring> text(kItems), icon(kItems);
    for (int n = 1; n <= items && n <= kItems; ++n) {
        const std::wstring section = L"Item" + std::to_wstring(n);
        text[n - 1] = Read(ini, section, L"txt", L"", 249);
        Read(ini, section, L"desc", L"", 999);
        Read(ini, section, L"command", L"", 249);
        icon[n - 1] = Read(ini, section, L"icon", L"", 249);
    }

    // The menu window and its controls.
    RECT frame{0, 0, 635, 272};
    AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE, 0);
    HWND menu = CreateWindowExW(0, L"PlainMenu", (L"Orlimar - " + name).c_str(),
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 200,
                                200, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    HFONT caption = CreateFontW(-MulDiv(size, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                DEFAULT_CHARSET, 0, 0, 0, 0, face.c_str());
    HWND button[kItems];
    for (int i = 0; i < kItems; ++i) {
        const int x = i < 5 ? 16 : 320;
        const int y = 16 + 32 * (i % 5);
        const DWORD visible = i < items ? WS_VISIBLE : 0;
        button[i] = Child(menu, L"BUTTON", L"", BS_BITMAP | WS_TABSTOP | visible, x, y, 25, 25,
                          dialog);
        Child(menu, L"STATIC", text[i].c_str(), SS_NOTIFY | visible, x + 40, y, 200, 18, caption);
    }
    Child(menu, L"STATIC", L"", SS_NOTIFY | WS_VISIBLE, 16, 176, 617, 49, caption);
    Child(menu, L"BUTTON", L"&CD-Inhalt", WS_TABSTOP | WS_VISIBLE, 16, 240, 81, 25, dialog);
    Child(menu, L"BUTTON", L"&Über...", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 104, 240, 81,
          25, dialog);
    Child(menu, L"BUTTON", L"&Ende", WS_TABSTOP | WS_VISIBLE, 192, 240, 81, 25, dialog);
    for (int i = 0; i < 4; ++i) Child(menu, L"STATIC", L"", 0, 0, 320 + 20 * i, 16, 16, dialog);

    // The background tiled onto the backing bitmap.
    HDC screen = GetDC(nullptr);
    g_surface = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 700, 320);
    ReleaseDC(nullptr, screen);
    SelectObject(g_surface, surface);
    auto tile = static_cast<HBITMAP>(LoadImageW(nullptr, OnDrive(folder, back).c_str(),
                                                IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (tile) {
        BITMAP info;
        GetObjectW(tile, sizeof info, &info);
        HDC tiles = CreateCompatibleDC(g_surface);
        SelectObject(tiles, tile);
        for (int x = 0; x < 700; x += info.bmWidth)
            for (int y = 0; y < 320; y += info.bmHeight)
                BitBlt(g_surface, x, y, info.bmWidth, info.bmHeight, tiles, 0, 0, SRCCOPY);
        DeleteDC(tiles);
    }
    g_background = CreatePatternBrush(surface);

    // The entries' pictures.
    for (int i = 0; i < items && i < kItems; ++i) {
        const std::wstring path = OnDrive(folder, icon[i]);
        HBITMAP picture = nullptr;
        if (path.size() > 3 && _wcsicmp(path.c_str() + path.size() - 3, L"ico") == 0) {
            auto loaded = static_cast<HICON>(
                LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
            if (loaded) {
                ICONINFO parts;
                GetIconInfo(loaded, &parts);
                picture = parts.hbmColor;
                DeleteObject(parts.hbmMask);
                DestroyIcon(loaded);
            }
        } else if (!path.empty()) {
            picture = ShellIcon(path, true, 16);
            DeleteObject(ShellIcon(path, false, 32));
        }
        if (picture) SendMessageW(button[i], BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    }

    DestroyWindow(wait);
    ShowWindow(menu, show);
    UpdateWindow(menu);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(menu, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

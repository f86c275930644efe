// What the menu reader (menu_reader.dll) and the probe share. Under Wine a
// menu can be read only by the process that owns it (on Windows any process
// can), so the probe lends the program a small hook DLL: asked through a
// posted message, it copies the menu bar of the window into memory that the
// probe shares with it. It reads, never changes, the menu.
#pragma once

#include <windows.h>

namespace probe::menu_reader {

// The registered message that asks for a copy: wParam the probe's process
// id, lParam the number of the request; both name the shared memory and
// the event that says the copy is there.
inline constexpr wchar_t kRequestMessage[] = L"kelvo.probe.ReadMenuBar";
inline constexpr char kHookProcName[] = "ReadMenuBarHook";

struct Item {
    int level;        // 0: a title in the bar; 1: an entry of the title before it
    UINT id;          // the command id (GetMenuItemID); -1 for a title
    UINT state;       // GetMenuState: MF_CHECKED, MF_GRAYED, MF_SEPARATOR, ...
    wchar_t text[96];  // GetMenuStringW, cut to fit
};

// The picture a control shows, asked for with kPictureRequestMessage
// posted to the control: a toolbar's or tree's image size, a picture
// button's face bitmap and the colour in its middle.
inline constexpr wchar_t kPictureRequestMessage[] = L"kelvo.probe.ReadPicture";

struct Picture {
    LONG width;
    LONG height;
    COLORREF middle;  // picture buttons only
};

struct Snapshot {
    LONG complete;  // 1 once the copy is written
    LONG count;
    Item items[160];
    Picture picture;
};

// Copies what picture the control window shows.
inline void CopyPicture(HWND control, Snapshot& snapshot) {
    Picture& picture = snapshot.picture;
    picture = Picture{0, 0, CLR_INVALID};
    wchar_t name[64] = L"";
    GetClassNameW(control, name, 64);
    using GetIconSizeFn = BOOL(WINAPI*)(HANDLE, int*, int*);
    const auto getIconSize = reinterpret_cast<GetIconSizeFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "ImageList_GetIconSize")));
    HANDLE list = nullptr;
    if (lstrcmpiW(name, L"ToolbarWindow32") == 0)
        list = reinterpret_cast<HANDLE>(SendMessageW(control, 0x400 + 49 /* TB_GETIMAGELIST */, 0, 0));
    if (lstrcmpiW(name, L"SysTreeView32") == 0)
        list = reinterpret_cast<HANDLE>(SendMessageW(control, 0x1100 + 8 /* TVM_GETIMAGELIST */, 0, 0));
    if (list && getIconSize) {
        int width = 0, height = 0;
        getIconSize(list, &width, &height);
        picture.width = width;
        picture.height = height;
    }
    if (lstrcmpiW(name, L"Button") == 0) {
        auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(control, BM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP info{};
        if (bitmap && GetObjectW(bitmap, sizeof info, &info)) {
            picture.width = info.bmWidth;
            picture.height = info.bmHeight;
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(dc, bitmap);
            picture.middle = GetPixel(dc, info.bmWidth / 2, info.bmHeight / 2);
            SelectObject(dc, old);
            DeleteDC(dc);
        }
    }
    snapshot.complete = 1;
}

// Copies the titles of window's menu bar and the entries of their popups.
inline void CopyMenuBar(HWND window, Snapshot& snapshot) {
    auto copy = [&](HMENU menu, int position, int level) {
        if (snapshot.count >= static_cast<LONG>(sizeof snapshot.items / sizeof snapshot.items[0]))
            return;
        Item& item = snapshot.items[snapshot.count++];
        item.level = level;
        item.id = GetMenuItemID(menu, position);
        item.state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
        item.text[0] = L'\0';
        GetMenuStringW(menu, static_cast<UINT>(position), item.text,
                       sizeof item.text / sizeof item.text[0], MF_BYPOSITION);
    };
    snapshot.count = 0;
    HMENU bar = GetMenu(window);
    const int titles = bar ? GetMenuItemCount(bar) : 0;
    for (int title = 0; title < titles; ++title) {
        copy(bar, title, 0);
        HMENU popup = GetSubMenu(bar, title);
        const int entries = popup ? GetMenuItemCount(popup) : 0;
        for (int entry = 0; entry < entries; ++entry) copy(popup, entry, 1);
    }
    snapshot.complete = 1;
}

inline void SharedNames(DWORD processId, LPARAM request, wchar_t (&memory)[96],
                        wchar_t (&event)[96]) {
    wsprintfW(memory, L"Local\\kelvo-probe-menu-%lu-%ld", processId, static_cast<long>(request));
    wsprintfW(event, L"Local\\kelvo-probe-menu-done-%lu-%ld", processId,
              static_cast<long>(request));
}

}  // namespace probe::menu_reader

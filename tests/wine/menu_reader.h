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

struct Snapshot {
    LONG complete;  // 1 once the copy is written
    LONG count;
    Item items[160];
};

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

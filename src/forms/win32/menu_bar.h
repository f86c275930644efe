// The menu bar of a form window: the items of the form's menus (titles in
// the bar, entries in the popups of the menus they belong to), the commands
// the items send and the accelerator table of the entries' shortcuts.
#pragma once

#include <windows.h>

#include <map>

#include "forms/form.h"
#include "forms/menu.h"
#include "forms/win32/form_window.h"

namespace forms::win32 {

class MenuBar : public FormMenus {
public:
    MenuBar(Form& form, HWND window) : form_(form), window_(window) {}
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;
    // The window destroys the bar and what is still attached to it.
    ~MenuBar() override;

    // Adds the item of menu with command id; its parent menu's item must be
    // there already.
    void Add(Menu& menu, UINT id);
    // Removes the item (and the popup of its entries).
    void Remove(UINT id);
    // Mirrors caption, shortcut, check mark, enabled state and visibility.
    void Update(UINT id);
    bool Command(UINT id) override;
    // The table of the shortcuts (Ctrl and a letter), or null for none.
    HACCEL Accelerators() override;

    // The menu bar of the form window, made with its first menu.
    static MenuBar& Of(FormWindow& window);

private:
    struct Item {
        Menu* menu = nullptr;
        HMENU in = nullptr;     // the menu the item is in while it is shown
        HMENU popup = nullptr;  // the popup of its entries, once it has some
    };

    Item* Find(const Menu* menu);
    // Puts the item into its menu at its place among the shown items.
    void Show(UINT id, Item& item);
    // Takes the item out of its menu; its popup stays.
    void Hide(Item& item, UINT id);
    // The menu that item's entries go into, made on first use.
    HMENU PopupOf(UINT id, Item& item);
    void Changed(HMENU menu);

    Form& form_;
    HWND window_;
    HMENU bar_ = nullptr;
    std::map<UINT, Item> items_;
    HACCEL accelerators_ = nullptr;
    bool acceleratorsStale_ = true;
};

}  // namespace forms::win32

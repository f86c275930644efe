// Menus: items of the form window's menu bar and of its popups. Each menu
// is one item with a command id of the form; choosing it (with the mouse,
// its access key or its shortcut) sends WM_COMMAND to the form window,
// which passes it on to MenuBar::Command.
#include "forms/win32/menu_bar.h"

#include <string>
#include <vector>

#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/form_window.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

// The position of the item with command id in menu, or -1.
int PositionOf(HMENU menu, UINT id) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) && info.wID == id)
            return position;
    }
    return -1;
}

// The item's text: the caption, and right of it the shortcut ("&Neu\tStrg+N").
std::wstring ItemText(const Menu& menu) {
    const std::string shortcut = menu.ShortcutText();
    return Widen(shortcut.empty() ? menu.Caption() : menu.Caption() + "\t" + shortcut);
}

}  // namespace

MenuBar& MenuBar::Of(FormWindow& window) {
    if (!window.Menus()) window.SetMenus(std::make_unique<MenuBar>(window.GetForm(), window.Handle()));
    return static_cast<MenuBar&>(*window.Menus());
}

MenuBar::~MenuBar() {
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    // Popups that hang in a menu go with it; detached ones go here.
    for (auto& [id, item] : items_)
        if (item.popup && !item.in) DestroyMenu(item.popup);
}

MenuBar::Item* MenuBar::Find(const Menu* menu) {
    for (auto& [id, item] : items_)
        if (item.menu == menu) return &item;
    return nullptr;
}

void MenuBar::Add(Menu& menu, UINT id) {
    Item& item = items_[id];
    item.menu = &menu;
    acceleratorsStale_ = true;
    if (menu.Visible()) Show(id, item);
}

void MenuBar::Remove(UINT id) {
    const auto found = items_.find(id);
    if (found == items_.end()) return;
    Item item = found->second;
    items_.erase(found);
    acceleratorsStale_ = true;
    if (item.in) Hide(item, id);
    if (!item.popup) return;
    // The entries' own popups must outlive this one: detach them first.
    while (GetMenuItemCount(item.popup) > 0) RemoveMenu(item.popup, 0, MF_BYPOSITION);
    for (auto& [otherId, other] : items_)
        if (other.in == item.popup) other.in = nullptr;
    DestroyMenu(item.popup);
}

void MenuBar::Update(UINT id) {
    const auto found = items_.find(id);
    if (found == items_.end()) return;
    Item& item = found->second;
    acceleratorsStale_ = true;
    if (!item.menu->Visible()) {
        if (item.in) Hide(item, id);
        return;
    }
    if (!item.in) {
        Show(id, item);
        return;
    }
    const int position = PositionOf(item.in, id);
    if (position < 0) return;
    std::wstring text = ItemText(*item.menu);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | (item.menu->IsSeparator() ? 0 : MIIM_STRING);
    info.fType = item.menu->IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
    info.fState = (item.menu->Checked() ? MFS_CHECKED : MFS_UNCHECKED) |
                  (item.menu->Enabled() ? MFS_ENABLED : MFS_GRAYED);
    info.dwTypeData = text.data();
    SetMenuItemInfoW(item.in, static_cast<UINT>(position), TRUE, &info);
    Changed(item.in);
}

void MenuBar::Show(UINT id, Item& item) {
    const Menu& menu = *item.menu;
    HMENU target = nullptr;
    std::vector<Menu*> siblings;
    if (const Menu* parent = menu.ParentMenu()) {
        for (auto& [parentId, parentItem] : items_)
            if (parentItem.menu == parent) target = PopupOf(parentId, parentItem);
        siblings = parent->Entries();
    } else {
        if (!bar_) {
            bar_ = CreateMenu();
            SetMenu(window_, bar_);
        }
        target = bar_;
        for (Control* control : form_.Controls())
            if (control->Kind() == ControlKind::Menu &&
                !static_cast<Menu*>(control)->ParentMenu())
                siblings.push_back(static_cast<Menu*>(control));
    }
    if (!target) return;
    // After the siblings before it that are shown.
    UINT position = 0;
    for (const Menu* sibling : siblings) {
        if (sibling == &menu) break;
        if (const Item* other = Find(sibling); other && other->in) ++position;
    }
    std::wstring text = ItemText(menu);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU |
                 (menu.IsSeparator() ? 0 : MIIM_STRING);
    info.fType = menu.IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
    info.fState = (menu.Checked() ? MFS_CHECKED : MFS_UNCHECKED) |
                  (menu.Enabled() ? MFS_ENABLED : MFS_GRAYED);
    info.wID = id;
    info.hSubMenu = item.popup;
    info.dwTypeData = text.data();
    if (!InsertMenuItemW(target, position, TRUE, &info)) return;
    item.in = target;
    Changed(target);
}

void MenuBar::Hide(Item& item, UINT id) {
    const int position = PositionOf(item.in, id);
    if (position >= 0) RemoveMenu(item.in, static_cast<UINT>(position), MF_BYPOSITION);
    Changed(item.in);
    item.in = nullptr;
}

HMENU MenuBar::PopupOf(UINT id, Item& item) {
    if (item.popup) return item.popup;
    item.popup = CreatePopupMenu();
    if (item.in) {
        // The item opens the popup from now on instead of sending its command.
        const int position = PositionOf(item.in, id);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_SUBMENU;
        info.hSubMenu = item.popup;
        if (position >= 0) SetMenuItemInfoW(item.in, static_cast<UINT>(position), TRUE, &info);
        Changed(item.in);
    }
    return item.popup;
}

void MenuBar::Changed(HMENU menu) {
    if (menu && menu == bar_) DrawMenuBar(window_);
}

bool MenuBar::Command(UINT id) {
    const auto found = items_.find(id);
    if (found == items_.end()) return false;
    // Click may unload the form and take this bar with it.
    found->second.menu->RaiseClick();
    return true;
}

HACCEL MenuBar::Accelerators() {
    if (!acceleratorsStale_) return accelerators_;
    acceleratorsStale_ = false;
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    accelerators_ = nullptr;
    std::vector<ACCEL> keys;
    for (const auto& [id, item] : items_)
        if (const char letter = item.menu->Shortcut())
            keys.push_back(ACCEL{FVIRTKEY | FCONTROL, static_cast<WORD>(letter),
                                 static_cast<WORD>(id)});
    if (!keys.empty())
        accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    return accelerators_;
}

namespace {

class MenuPeer : public Peer {
public:
    explicit MenuPeer(Menu& menu) : form_(reinterpret_cast<HWND>(menu.Parent().NativeHandle())) {
        if (FormWindow* owner = FormWindow::FromHandle(form_)) {
            id_ = static_cast<UINT>(owner->NextControlId());
            MenuBar::Of(*owner).Add(menu, id_);
        }
    }
    ~MenuPeer() override {
        if (FormWindow* owner = FormWindow::FromHandle(form_)) MenuBar::Of(*owner).Remove(id_);
    }

    void Update(Property property) override {
        switch (property) {
        case Property::Caption:  // also the shortcut
        case Property::Visible:
        case Property::Enabled:
        case Property::Checked:
            if (FormWindow* owner = FormWindow::FromHandle(form_)) MenuBar::Of(*owner).Update(id_);
            break;
        default:
            break;
        }
    }
    void SetFocus() override {}
    void PaintPicture(const Picture&, Twips, Twips) override {}
    void Cls() override {}
    void Refresh() override {}
    // Menus are no windows.
    std::uintptr_t NativeHandle() const override { return 0; }

private:
    HWND form_;
    UINT id_ = 0;
};

}  // namespace

}  // namespace forms::win32

namespace forms {

std::unique_ptr<Peer> MakePeer(Backend&, Menu& menu) {
    return std::make_unique<win32::MenuPeer>(menu);
}

}  // namespace forms

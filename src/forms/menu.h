// Menus of a form's menu bar. A menu made on the form is a title of the
// bar ("&Datei"); a menu made on another menu is an entry of it. The
// caption "-" makes a separator. Entries fire Click when chosen with the
// mouse, with their access key or with their shortcut (Ctrl and a letter),
// which the menu shows right of the caption ("Strg+N").
#pragma once

#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

class Menu : public Control {
public:
    // A title of the form's menu bar.
    explicit Menu(Form& parent);
    // An entry of parentMenu.
    explicit Menu(Menu& parentMenu);
    ~Menu() override;

    // The menu this one is an entry of; null for a title of the bar.
    Menu* ParentMenu() const { return parentMenu_; }
    // The entries of this menu, in order.
    const std::vector<Menu*>& Entries() const { return entries_; }
    bool IsSeparator() const { return caption_ == "-"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // The letter of the shortcut Ctrl+letter ('A' to 'Z'), or 0 for none.
    char Shortcut() const { return shortcut_; }
    void SetShortcut(char letter);
    // The shortcut as the menu shows it: "Strg+N", or "" for none.
    std::string ShortcutText() const;

    // Visible and enabled, and so are the menus it lies in: the user can
    // choose it.
    bool Choosable() const;
    // The user chose the entry: fires Click when it is choosable and is no
    // separator and no menu of entries.
    void RaiseClick() override;

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    Menu* parentMenu_ = nullptr;
    std::vector<Menu*> entries_;
    bool checked_ = false;
    char shortcut_ = 0;
};

}  // namespace forms

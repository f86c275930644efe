#include "forms/menu.h"

#include <stdexcept>
#include <vector>

#include "forms/form.h"

namespace forms {

Menu::Menu(Form& parent) : Control(parent, ControlKind::Menu) {
    tabStop_ = false;
    RealiseIfLoaded();
}

Menu::Menu(Menu& parentMenu) : Control(parentMenu.Parent(), ControlKind::Menu) {
    tabStop_ = false;
    parentMenu_ = &parentMenu;
    parentMenu.entries_.push_back(this);
    RealiseIfLoaded();
}

Menu::~Menu() {
    if (parentMenu_) std::erase(parentMenu_->entries_, this);
    for (Menu* entry : entries_) entry->parentMenu_ = nullptr;
}

void Menu::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(Property::Checked);
}

void Menu::SetShortcut(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter != 0 && (letter < 'A' || letter > 'Z')) throw std::invalid_argument("shortcut");
    shortcut_ = letter;
    Notify(Property::Caption);
}

std::string Menu::ShortcutText() const {
    if (shortcut_ == 0) return "";
    return std::string("Strg+") + shortcut_;
}

bool Menu::Choosable() const {
    for (const Menu* menu = this; menu; menu = menu->parentMenu_)
        if (!menu->Visible() || !menu->Enabled()) return false;
    return true;
}

void Menu::RaiseClick() {
    // A shortcut may still name an entry the user cannot see or choose.
    if (Choosable() && !IsSeparator() && entries_.empty()) Control::RaiseClick();
}

}  // namespace forms

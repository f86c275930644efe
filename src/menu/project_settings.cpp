#include "menu/project_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "common/conversions.h"

namespace menu::settings {

namespace project = common::project;

namespace {

// A profile read fills a buffer that always ends in NUL; the value proper is
// the text before the first NUL.
std::string Cut(const std::string& value) { return common::CutAtNull(value + '\0'); }

// A number as a 32-bit colour value; beyond the 32-bit range it throws.
forms::Color ColorFromNumber(double number) {
    const auto rounded = common::RoundHalfEven<std::int32_t>(number);
    if (!rounded) throw std::out_of_range("colour value");
    return static_cast<forms::Color>(*rounded);
}

constexpr bool InReadOrder() {
    for (std::size_t i = 0; i < GeneralTexts.size(); ++i)
        if (GeneralTexts[i].key != project::general::MenuReadOrder[i]) return false;
    for (std::size_t i = 0; i < EntryTexts.size(); ++i)
        if (EntryTexts[i].key != project::item::ReadOrder[i]) return false;
    return true;
}
static_assert(InReadOrder(), "the texts follow the key table's read orders");

}  // namespace

KeyReader ProfileReader(os::Services& services, const std::string& iniPath) {
    return [&services, iniPath](const std::string& section, const project::Key& key) {
        return project::Read(services, iniPath, section, key, project::Program::Menu);
    };
}

void ReadGeneral(const KeyReader& read, General& general) {
    for (const GeneralText& binding : GeneralTexts) {
        const std::string text = read(project::GeneralSection, *binding.key);
        general.*binding.text = binding.cutAtNull ? Cut(text) : text;
    }
}

void ReadGeneral(os::Services& services, const std::string& iniPath, General& general) {
    ReadGeneral(ProfileReader(services, iniPath), general);
}

void ReadEntry(const KeyReader& read, int number, Entry& entry) {
    const std::string section = project::ItemSection(number);
    for (const EntryText& binding : EntryTexts) entry.*binding.text = Cut(read(section, *binding.key));
}

void ReadEntry(os::Services& services, const std::string& iniPath, int number, Entry& entry) {
    ReadEntry(ProfileReader(services, iniPath), number, entry);
}

int ItemCountFrom(const std::string& text) {
    const double number = common::LeadingNumber(text);
    if (!std::isfinite(number)) return -1;
    if (number > 99) return 99;
    return std::max(common::RoundHalfEven<int>(number).value_or(-1), -1);
}

int UsedPlaces(int itemCount) { return std::clamp(itemCount, 0, project::MaxItems); }

forms::Color WholeColor(const std::string& text) {
    return static_cast<forms::Color>(common::ToInteger32(text).value());
}

forms::Color LeadingColor(const std::string& text) {
    return ColorFromNumber(common::LeadingNumber(text));
}

bool SetsBackColor(forms::Color colour) { return colour != 0; }

bool KeepsFontSize(const std::string& text) { return text == "0"; }

double FontSize(const std::string& text) {
    const std::int16_t size = common::ToInteger16(text).value();
    if (size < 1) throw std::out_of_range("font size");
    return size;
}

bool UsesPlainColour(const std::string& colorPic) {
    return common::ToBoolean(colorPic).value_or(false);
}

IconSource IconSourceOf(const std::string& icon) {
    if (icon.empty()) return IconSource::Default;
    if (icon.size() < 3) return IconSource::ShellIcon;
    std::string tail = icon.substr(icon.size() - 3);
    for (char& c : tail)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return tail == "ICO" ? IconSource::PictureFile : IconSource::ShellIcon;
}

}  // namespace menu::settings

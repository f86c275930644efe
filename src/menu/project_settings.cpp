#include "menu/project_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "common/conversions.h"
#include "os/unicode.h"

namespace menu::settings {

namespace project = common::project;

namespace {

// A profile read fills a buffer that always ends in NUL; the value proper is
// the text before the first NUL.
std::string Cut(const std::string& value) { return common::CutAtNull(value + '\0'); }

std::string Read(os::Services& services, const std::string& iniPath, const std::string& section,
                 const project::Key& key) {
    return project::Read(services, iniPath, section, key, project::Program::Menu);
}

// A number as a 32-bit colour value; beyond the 32-bit range it throws.
forms::Color ColorFromNumber(double number) {
    const double rounded = std::nearbyint(number);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw std::out_of_range("colour value");
    return static_cast<forms::Color>(static_cast<std::int32_t>(rounded));
}

}  // namespace

void ReadGeneral(os::Services& services, const std::string& iniPath, General& general) {
    auto read = [&](const project::Key& key) {
        return Read(services, iniPath, project::GeneralSection, key);
    };
    general.Name = read(project::general::Name);
    general.Items = read(project::general::Items);
    general.BackColor = Cut(read(project::general::BackColor));
    general.ForeColor = Cut(read(project::general::ForeColor));
    general.HighColor = Cut(read(project::general::HighColor));
    general.Fontsize = Cut(read(project::general::FontSize));
    general.Font = Cut(read(project::general::Font));
    general.BackgroundPic = Cut(read(project::general::BackgroundPic));
    general.ColorPic = Cut(read(project::general::ColorPic));
    // Read like every key, but the display time of the splash is fixed.
    general.SplashTime = Cut(read(project::general::SplashTime));
    general.SplashPic = Cut(read(project::general::SplashPic));
}

void ReadEntry(os::Services& services, const std::string& iniPath, int number, Entry& entry) {
    const std::string section = project::ItemSection(number);
    auto read = [&](const project::Key& key) { return Cut(Read(services, iniPath, section, key)); };
    entry.txt = read(project::item::Txt);
    entry.desc = read(project::item::Desc);
    entry.command = read(project::item::Command);
    entry.icon = read(project::item::Icon);
}

int ItemCountFrom(const std::string& text) {
    const double number = std::nearbyint(common::LeadingNumber(text));
    if (!std::isfinite(number) || number < -1) return -1;
    if (number > 99) return 99;
    return static_cast<int>(number);
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

std::size_t StoredLength(os::Services& services, const std::string& iniPath,
                         const std::string& section, const project::Key& key) {
    return os::unicode::Utf16Units(
        services.ReadProfileString(iniPath, section, key.read, key.menuDefault, MeasuredRoom));
}

bool HasEntrySection(os::Services& services, const std::string& iniPath, int number) {
    // A line break can stand in no value of a file, so it is found only
    // where the key is missing.
    const std::string missing = "\n";
    const std::string section = project::ItemSection(number);
    return std::any_of(EntryReadOrder.begin(), EntryReadOrder.end(), [&](const project::Key* key) {
        return services.ReadProfileString(iniPath, section, key->read, missing, 2) != missing;
    });
}

}  // namespace menu::settings

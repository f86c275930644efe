// The project file as the menu program reads it: the keys of section
// "General" and of an entry, in the order GetSettings reads them, with the
// rooms and defaults of the key table (common/project_file.h), and the
// conversions that turn the texts into the window's settings. GetSettings
// fits the menu window with them; cdcheck checks the project file of a
// disc with the very same code, so that both see the same values.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "common/project_file.h"
#include "forms/types.h"
#include "os/services.h"

namespace menu::settings {

// ---- Reading --------------------------------------------------------------------

// Section "General" as texts, named as in GetSettings.
struct General {
    std::string Name, Items, BackColor, ForeColor, HighColor, Fontsize, Font, BackgroundPic,
        ColorPic, SplashTime, SplashPic;
};

// The keys of "General" in the order ReadGeneral reads them.
inline constexpr std::array<const common::project::Key*, 11> GeneralReadOrder{
    &common::project::general::Name,          &common::project::general::Items,
    &common::project::general::BackColor,     &common::project::general::ForeColor,
    &common::project::general::HighColor,     &common::project::general::FontSize,
    &common::project::general::Font,          &common::project::general::BackgroundPic,
    &common::project::general::ColorPic,      &common::project::general::SplashTime,
    &common::project::general::SplashPic};

// Reads section "General" of the project file at iniPath into general, key
// by key in GeneralReadOrder; a read that fails leaves the later fields as
// they were.
void ReadGeneral(os::Services& services, const std::string& iniPath, General& general);

// An entry's section ("Item" and its number) as texts.
struct Entry {
    std::string txt, desc, command, icon;
};

// The keys of an entry in the order ReadEntry reads them.
inline constexpr std::array<const common::project::Key*, 4> EntryReadOrder{
    &common::project::item::Txt, &common::project::item::Desc, &common::project::item::Command,
    &common::project::item::Icon};

// Reads the section of entry number (1 to 10) into entry, key by key in
// EntryReadOrder.
void ReadEntry(os::Services& services, const std::string& iniPath, int number, Entry& entry);

// ---- Conversions: a value that does not convert throws ----------------------------

// The leading number of the Items text, to the nearest whole number, kept
// within -1 .. 99 (the text holds two characters at most, so nothing real
// is lost). Never throws.
int ItemCountFrom(const std::string& text);

// How many of the places for entries a count fills: 0 to MaxItems.
int UsedPlaces(int itemCount);

// A colour given as a whole number (common::ToInteger32).
forms::Color WholeColor(const std::string& text);

// A colour given by the leading number of a text; beyond the 32-bit range
// it throws.
forms::Color LeadingColor(const std::string& text);

// Whether a background colour is set at all: 0 keeps the design colour.
bool SetsBackColor(forms::Color colour);

// Whether a font size text keeps the captions' size ("0").
bool KeepsFontSize(const std::string& text);

// A font size in points: a 16-bit whole number; below one point it throws.
double FontSize(const std::string& text);

// Whether ColorPic chooses the plain colour; a text that is no boolean
// chooses the picture.
bool UsesPlainColour(const std::string& colorPic);

// Where an entry's button picture comes from: the default picture (no
// icon), the icon file loaded as a picture (a name ending in "ICO" in any
// letter case), or the shell's icon of the file.
enum class IconSource { Default, PictureFile, ShellIcon };
IconSource IconSourceOf(const std::string& icon);

// ---- For checking a project file ---------------------------------------------------

// The length of key's value in section as the reader counts it (characters
// of the code page, UTF-16 code units of a Unicode file) before the menu
// program cuts it to key.menuKept; the default's length when the key is
// missing. Counts up to MeasuredRoom - 1.
inline constexpr std::size_t MeasuredRoom = 65536;
std::size_t StoredLength(os::Services& services, const std::string& iniPath,
                         const std::string& section, const common::project::Key& key);

// Whether the section of entry number holds any key of an entry.
bool HasEntrySection(os::Services& services, const std::string& iniPath, int number);

}  // namespace menu::settings

// The project file as the menu program reads it: the keys of section
// "General" and of an entry, in the order GetSettings reads them, with the
// rooms and defaults of the key table (common/project_file.h), and the
// conversions that turn the texts into the window's settings. GetSettings
// fits the menu window with them; cdcheck checks the project file of a
// disc with the very same code, so that both see the same values.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
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

// An entry's section ("Item" and its number) as texts.
struct Entry {
    std::string txt, desc, command, icon;
};

// Where each key's text goes, in the order the menu program reads the keys
// (common::project::general::MenuReadOrder, item::ReadOrder). Every text but
// Name and Items is cut at its first NUL once more.
struct GeneralText {
    const common::project::Key* key;
    std::string General::*text;
    bool cutAtNull;
};
inline constexpr std::array<GeneralText, 11> GeneralTexts{{
    {&common::project::general::Name, &General::Name, false},
    {&common::project::general::Items, &General::Items, false},
    {&common::project::general::BackColor, &General::BackColor, true},
    {&common::project::general::ForeColor, &General::ForeColor, true},
    {&common::project::general::HighColor, &General::HighColor, true},
    {&common::project::general::FontSize, &General::Fontsize, true},
    {&common::project::general::Font, &General::Font, true},
    {&common::project::general::BackgroundPic, &General::BackgroundPic, true},
    {&common::project::general::ColorPic, &General::ColorPic, true},
    // Read like every key, but the display time of the splash is fixed.
    {&common::project::general::SplashTime, &General::SplashTime, true},
    {&common::project::general::SplashPic, &General::SplashPic, true},
}};
struct EntryText {
    const common::project::Key* key;
    std::string Entry::*text;
};
inline constexpr std::array<EntryText, 4> EntryTexts{{
    {&common::project::item::Txt, &Entry::txt},
    {&common::project::item::Desc, &Entry::desc},
    {&common::project::item::Command, &Entry::command},
    {&common::project::item::Icon, &Entry::icon},
}};

// Where the texts come from: what the menu program keeps of key in section
// (common::project::Read with Program::Menu, or a record read before).
using KeyReader =
    std::function<std::string(const std::string& section, const common::project::Key& key)>;

// The menu program's own reader: the profile file at iniPath.
KeyReader ProfileReader(os::Services& services, const std::string& iniPath);

// Reads section "General" into general, key by key in the order of
// GeneralTexts; a read that fails leaves the later fields as they were.
void ReadGeneral(const KeyReader& read, General& general);
void ReadGeneral(os::Services& services, const std::string& iniPath, General& general);

// Reads the section of entry number (1 to 10) into entry, key by key.
void ReadEntry(const KeyReader& read, int number, Entry& entry);
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

}  // namespace menu::settings

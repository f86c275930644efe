// The project file "kelvo.ini": every key with its name as written, its name
// as the readers ask for it, and for each program how many characters a read
// keeps and which default it gets, with the orders in which the programs
// read and write them. This table is the one place of the format: the
// editor's record (editor/project_record.h), the menu program's reader
// (menu/project_settings.h) and cdcheck bind their fields to its keys and
// loop over its orders.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "os/services.h"

namespace common::project {

inline constexpr const char* FileName = "kelvo.ini";
inline constexpr const char* GeneralSection = "General";

enum class Program { Menu, Editor };

struct Key {
    const char* written;        // as the editor writes it
    const char* read;           // as the readers ask for it
    std::size_t menuKept;       // characters the menu program keeps; 0: not read
    const char* menuDefault;
    std::size_t editorKept;     // characters the editor keeps
    const char* editorDefault;  // nullptr: "Item" followed by the entry number
};

// Section "General", in the order the editor writes the keys.
namespace general {
inline constexpr Key Name{"Name", "Name", 99, "Pavonel", 199, "Pavonel"};
inline constexpr Key Items{"Items", "Items", 2, "1", 2, "1"};
inline constexpr Key BackColor{"BackColor", "BackColor", 10, "8421376", 10, "8421376"};
inline constexpr Key ForeColor{"ForeColor", "ForeColor", 10, "8454143", 10, "8454143"};
inline constexpr Key HighColor{"HighColor", "HighColor", 10, "8388608", 10, "8388608"};
inline constexpr Key FontSize{"FontSize", "Fontsize", 2, "8", 2, "8"};
inline constexpr Key Font{"Font", "Font", 19, "MS Sans Serif", 199, "MS Sans Serif"};
inline constexpr Key BackgroundPic{"BackgroundPic", "BackgroundPic", 199, "", 199, ""};
inline constexpr Key ColorPic{"ColorPic", "ColorPic", 5, "true", 5, "True"};
inline constexpr Key SplashPic{"SplashPic", "SplashPic", 199, "", 199, ""};
inline constexpr Key SplashTime{"SplashTime", "SplashTime", 2, "30", 2, "30"};
inline constexpr Key SourceDir{"SourceDir", "SourceDir", 0, "", 199, ""};

// The order the editor writes the keys in, and reads them in.
inline constexpr std::array<const Key*, 12> WriteOrder{
    &Name, &Items, &BackColor, &ForeColor, &HighColor, &FontSize,
    &Font, &BackgroundPic, &ColorPic, &SplashPic, &SplashTime, &SourceDir};

// The order the menu program reads the keys in (it never reads SourceDir).
inline constexpr std::array<const Key*, 11> MenuReadOrder{
    &Name, &Items, &BackColor, &ForeColor, &HighColor, &FontSize,
    &Font, &BackgroundPic, &ColorPic, &SplashTime, &SplashPic};
}  // namespace general

// Sections "Item1" to "Item10", in the order the editor writes the keys.
namespace item {
inline constexpr Key Command{"Command", "command", 249, "", 249, ""};
inline constexpr Key Desc{"Desc", "desc", 999, "", 999, ""};
inline constexpr Key Icon{"Icon", "icon", 249, "", 249, ""};
inline constexpr Key Txt{"txt", "txt", 249, "", 249, nullptr};

// The order the editor writes an entry's keys in.
inline constexpr std::array<const Key*, 4> WriteOrder{&Command, &Desc, &Icon, &Txt};

// The order both programs read them in.
inline constexpr std::array<const Key*, 4> ReadOrder{&Txt, &Desc, &Command, &Icon};
}  // namespace item

// The places for entries in the menu window and the editor's record.
inline constexpr int MaxItems = 10;

// "Item" followed by the entry number (1 to MaxItems) in decimal.
std::string ItemSection(int number);

// How many characters program keeps of key; 0 when it does not read it.
std::size_t KeptBy(const Key& key, Program program);

// The default of key for program (for an entry caption in the editor
// "Item" + itemNumber).
std::string DefaultOf(const Key& key, Program program, int itemNumber = 0);

// What program keeps of a value it read: the text before its first NUL,
// cut to the characters it keeps (never inside a character).
std::string Kept(const std::string& value, const Key& key, Program program);

// Reads key from section of the project file at path as program reads it:
// the key name as the readers ask for it, the program's default, cut to
// the characters kept.
std::string Read(os::Services& services, const std::string& path, const std::string& section,
                 const Key& key, Program program, int itemNumber = 0);

// Writes key into section under the name as written, in the form that
// reads back as value (inside quotes where blanks at its ends or quotes
// around it would otherwise be dropped by the read).
bool Write(os::Services& services, const std::string& path, const std::string& section,
           const Key& key, const std::string& value);

}  // namespace common::project

// The project being edited: one record for the whole run, its fields named
// after the keys of the project file under which they are stored.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/project_file.h"

namespace editor {

// One entry of the menu.
struct ItemData {
    std::string cmd;   // command: program, document or address
    std::string ico;   // icon file, or a file whose icon is shown
    std::string txt;   // caption
    std::string desc;  // description
};

// The largest number of entries, the size of Item.
inline constexpr std::int16_t MaxItems = common::project::MaxItems;

struct ProjectData {
    std::string Name;
    std::int32_t ForeColor = 0;
    std::int32_t BackColor = 0;
    std::int32_t HighColor = 0;
    // Entries in use, 1 to 10 through the pages (a file may bring others).
    std::int16_t Items = 0;
    std::array<ItemData, MaxItems> Item;
    std::string Font;
    std::int32_t FontSize = 0;
    std::string SplashPic;
    std::string BackgroundPic;
    // true: the background is BackColor; false: the picture BackgroundPic.
    bool ColorPic = false;
    std::int16_t SplashTime = 0;
    std::string SourceDir;
};

}  // namespace editor

// The editor's record of the project bound to the keys of the project file:
// which field of ProjectData each key fills when a project is opened and
// is written from when it is saved, in the order of the key table
// (common/project_file.h). A field's type decides the conversion: texts as
// they are, numbers as decimal text, booleans as "True" or "False".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "common/project_file.h"
#include "editor/project_data.h"

namespace editor {

using RecordField = std::variant<std::string ProjectData::*, std::int32_t ProjectData::*,
                                 std::int16_t ProjectData::*, bool ProjectData::*>;

struct GeneralBinding {
    const common::project::Key* key;
    RecordField field;
};

// Section "General", in the order the editor writes and reads the keys.
inline constexpr std::array<GeneralBinding, 12> GeneralRecord{{
    {&common::project::general::Name, &ProjectData::Name},
    {&common::project::general::Items, &ProjectData::Items},
    {&common::project::general::BackColor, &ProjectData::BackColor},
    {&common::project::general::ForeColor, &ProjectData::ForeColor},
    {&common::project::general::HighColor, &ProjectData::HighColor},
    {&common::project::general::FontSize, &ProjectData::FontSize},
    {&common::project::general::Font, &ProjectData::Font},
    {&common::project::general::BackgroundPic, &ProjectData::BackgroundPic},
    {&common::project::general::ColorPic, &ProjectData::ColorPic},
    {&common::project::general::SplashPic, &ProjectData::SplashPic},
    {&common::project::general::SplashTime, &ProjectData::SplashTime},
    {&common::project::general::SourceDir, &ProjectData::SourceDir},
}};

struct ItemBinding {
    const common::project::Key* key;
    std::string ItemData::*field;
};

// An entry's section, in the order the editor writes the keys.
inline constexpr std::array<ItemBinding, 4> ItemRecord{{
    {&common::project::item::Command, &ItemData::cmd},
    {&common::project::item::Desc, &ItemData::desc},
    {&common::project::item::Icon, &ItemData::ico},
    {&common::project::item::Txt, &ItemData::txt},
}};
// The field of an entry that key names.
std::string ItemData::*ItemField(const common::project::Key& key);

// Puts the text read for binding's key into its field; throws when the
// text does not convert (the field then stays as it was). A count beyond
// MaxItems becomes MaxItems.
void LoadField(ProjectData& project, const GeneralBinding& binding, const std::string& text);

// The text written for binding's key.
std::string SavedText(const ProjectData& project, const GeneralBinding& binding);

}  // namespace editor

#include "editor/project_record.h"

#include <stdexcept>

#include "common/conversions.h"

namespace editor {

namespace project = common::project;
namespace g = common::project::general;
namespace item = common::project::item;

namespace {

// The bindings follow the key table's orders, so that the bytes written
// stay as they are.
constexpr bool InWriteOrder() {
    for (std::size_t i = 0; i < GeneralRecord.size(); ++i)
        if (GeneralRecord[i].key != g::WriteOrder[i]) return false;
    for (std::size_t i = 0; i < ItemRecord.size(); ++i)
        if (ItemRecord[i].key != item::WriteOrder[i]) return false;
    return true;
}
static_assert(InWriteOrder(), "the record follows the key table's write orders");

}  // namespace

std::string ItemData::*ItemField(const project::Key& key) {
    for (const ItemBinding& binding : ItemRecord)
        if (binding.key == &key) return binding.field;
    throw std::out_of_range("no field for the key");
}

void LoadField(ProjectData& project, const GeneralBinding& binding, const std::string& text) {
    struct Load {
        ProjectData& project;
        const GeneralBinding& binding;
        const std::string& text;
        void operator()(std::string ProjectData::*field) const { project.*field = text; }
        void operator()(std::int32_t ProjectData::*field) const {
            project.*field = common::ToInteger32(text).value();
        }
        void operator()(std::int16_t ProjectData::*field) const {
            // A file may hold more entries than the editor has places for.
            if (binding.key == &g::Items && common::LeadingNumber(text) > MaxItems)
                project.*field = MaxItems;
            else
                project.*field = common::ToInteger16(text).value();
        }
        void operator()(bool ProjectData::*field) const {
            project.*field = common::ToBoolean(text).value();
        }
    };
    std::visit(Load{project, binding, text}, binding.field);
}

std::string SavedText(const ProjectData& project, const GeneralBinding& binding) {
    struct Save {
        const ProjectData& project;
        std::string operator()(std::string ProjectData::*field) const { return project.*field; }
        std::string operator()(std::int32_t ProjectData::*field) const {
            return std::to_string(project.*field);
        }
        std::string operator()(std::int16_t ProjectData::*field) const {
            return std::to_string(project.*field);
        }
        std::string operator()(bool ProjectData::*field) const {
            return project.*field ? "True" : "False";
        }
    };
    return std::visit(Save{project}, binding.field);
}

}  // namespace editor

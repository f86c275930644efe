#include "tools/cdcheck/stored_project.h"

#include <algorithm>
#include <stdexcept>

#include "os/unicode.h"

namespace cdcheck {

namespace project = common::project;

StoredProject::StoredProject(os::Services& services, const std::string& iniPath) {
    for (const project::Key* key : project::general::MenuReadOrder)
        ReadKey(services, iniPath, project::GeneralSection, *key);
    for (int number = 1; number <= LargestCount; ++number)
        for (const project::Key* key : project::item::ReadOrder)
            ReadKey(services, iniPath, project::ItemSection(number), *key);
}

void StoredProject::ReadKey(os::Services& services, const std::string& iniPath,
                            const std::string& section, const project::Key& key) {
    // A line break can stand in no value of a file, so it comes back only
    // where the key is missing.
    const std::string missing = "\n";
    StoredKey stored;
    stored.text = services.ReadProfileString(iniPath, section, key.read, missing, MeasuredRoom);
    stored.present = stored.text != missing;
    if (!stored.present) stored.text = key.menuDefault;
    stored.length = os::unicode::Utf16Units(stored.text);
    stored.kept = project::Kept(stored.text, key, project::Program::Menu);
    keys_[{section, &key}] = std::move(stored);
}

const StoredKey& StoredProject::At(const std::string& section, const project::Key& key) const {
    const auto found = keys_.find({section, &key});
    if (found == keys_.end()) throw std::out_of_range("key not read: " + section);
    return found->second;
}

menu::settings::KeyReader StoredProject::Reader() const {
    return [this](const std::string& section, const project::Key& key) {
        return At(section, key).kept;
    };
}

bool StoredProject::HasEntrySection(int number) const {
    const std::string section = project::ItemSection(number);
    return std::any_of(project::item::ReadOrder.begin(), project::item::ReadOrder.end(),
                       [&](const project::Key* key) { return At(section, *key).present; });
}

}  // namespace cdcheck

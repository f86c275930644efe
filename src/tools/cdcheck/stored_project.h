// The project file of a disc read once, every key as the menu program asks
// for it: section General and the sections of entries 1 up to the largest
// count Items can hold. The checks work on this record, so the file is
// never read twice.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "common/project_file.h"
#include "menu/project_settings.h"
#include "os/services.h"

namespace cdcheck {

// One key as the file holds it.
struct StoredKey {
    bool present = false;
    // The value whole (up to MeasuredRoom - 1 characters), or the menu
    // program's default when the key is missing.
    std::string text;
    // Its length as the reader counts it: characters of the code page, or
    // UTF-16 units of a Unicode file.
    std::size_t length = 0;
    // What the menu program keeps of it (cut to its room).
    std::string kept;
};

class StoredProject {
public:
    // The largest count the two characters of Items can give: the entries
    // whose sections are read.
    static constexpr int LargestCount = 99;
    // How much of a value is read to measure it.
    static constexpr std::size_t MeasuredRoom = 65536;

    StoredProject(os::Services& services, const std::string& iniPath);

    // The key of section (General or an entry's, 1 to LargestCount).
    const StoredKey& At(const std::string& section, const common::project::Key& key) const;
    // What the menu program keeps of each key, for its reader
    // (menu::settings::ReadGeneral and ReadEntry).
    menu::settings::KeyReader Reader() const;
    // Whether the section of entry number holds any key of an entry.
    bool HasEntrySection(int number) const;

private:
    void ReadKey(os::Services& services, const std::string& iniPath, const std::string& section,
                 const common::project::Key& key);

    std::map<std::pair<std::string, const common::project::Key*>, StoredKey> keys_;
};

}  // namespace cdcheck

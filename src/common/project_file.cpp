#include "common/project_file.h"

namespace common::project {

std::string ItemSection(int number) { return "Item" + std::to_string(number); }

std::string Read(os::Services& services, const std::string& path, const std::string& section,
                 const Key& key, Program program, int itemNumber) {
    const bool menu = program == Program::Menu;
    const std::size_t kept = menu ? key.menuKept : key.editorKept;
    std::string fallback;
    if (menu)
        fallback = key.menuDefault;
    else if (key.editorDefault)
        fallback = key.editorDefault;
    else
        fallback = ItemSection(itemNumber);
    // A key the program does not read at all keeps its default.
    if (kept == 0) return fallback;

    // The readers hand over a buffer one character larger than what they
    // keep; the text in such a buffer ends at its first NUL.
    std::string value = services.ReadProfileString(path, section, key.read, fallback, kept + 1);
    const auto nul = value.find('\0');
    if (nul != std::string::npos) value.erase(nul);
    if (value.size() > kept) value.erase(kept);
    return value;
}

bool Write(os::Services& services, const std::string& path, const std::string& section,
           const Key& key, const std::string& value) {
    // With no file name the profile functions would pick a file of their own.
    if (path.empty()) return false;
    return services.WriteProfileString(path, section, key.written, value);
}

}  // namespace common::project

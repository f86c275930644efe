#include "common/project_file.h"

#include "os/profile_rules.h"
#include "os/unicode.h"

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
    // keep; the text in such a buffer ends at its first NUL. The room counts
    // characters (of the code page, or UTF-16 units of a Unicode file),
    // never the bytes of their UTF-8 form.
    std::string value = services.ReadProfileString(path, section, key.read, fallback, kept + 1);
    const auto nul = value.find('\0');
    if (nul != std::string::npos) value.erase(nul);
    return os::unicode::FirstUtf16Units(value, kept);
}

bool Write(os::Services& services, const std::string& path, const std::string& section,
           const Key& key, const std::string& value) {
    // With no file name the profile functions would pick a file of their own.
    if (path.empty()) return false;
    // Blanks at a value's ends and quotes around it would be lost to the
    // next read; stored inside quotes, the value reads back as it is.
    return services.WriteProfileString(path, section, key.written, os::profile::StoredForm(value));
}

}  // namespace common::project

#include "common/project_file.h"

#include "os/profile_rules.h"
#include "os/unicode.h"

namespace common::project {

std::string ItemSection(int number) { return "Item" + std::to_string(number); }

std::size_t KeptBy(const Key& key, Program program) {
    return program == Program::Menu ? key.menuKept : key.editorKept;
}

std::string DefaultOf(const Key& key, Program program, int itemNumber) {
    if (program == Program::Menu) return key.menuDefault;
    return key.editorDefault ? key.editorDefault : ItemSection(itemNumber);
}

std::string Kept(const std::string& value, const Key& key, Program program) {
    // The text in a reader's buffer ends at its first NUL. The room counts
    // characters (of the code page, or UTF-16 units of a Unicode file),
    // never the bytes of their UTF-8 form.
    return os::unicode::FirstUtf16Units(value.substr(0, value.find('\0')), KeptBy(key, program));
}

std::string Read(os::Services& services, const std::string& path, const std::string& section,
                 const Key& key, Program program, int itemNumber) {
    const std::string fallback = DefaultOf(key, program, itemNumber);
    // A key the program does not read at all keeps its default.
    const std::size_t kept = KeptBy(key, program);
    if (kept == 0) return fallback;
    // The readers hand over a buffer one character larger than what they keep.
    return Kept(services.ReadProfileString(path, section, key.read, fallback, kept + 1), key,
                program);
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

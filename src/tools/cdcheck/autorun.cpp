#include "tools/cdcheck/autorun.h"

#include "common/project_file.h"
#include "menu/project_settings.h"
#include "os/file_system.h"

namespace cdcheck {
namespace {

constexpr const char* Section = "autorun";
constexpr const char* Program = "kelvo.exe";

// The first `characters` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t characters) {
    std::size_t pos = 0;
    for (; pos < text.size(); ++pos) {
        if ((static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) continue;
        if (characters == 0) break;
        --characters;
    }
    return text.substr(0, pos);
}

}  // namespace

AutorunResult WriteAutorun(const Disc& disc, os::Services& services) {
    if (!disc.Readable()) return {AutorunOutcome::Unreadable, ""};
    if (disc.Find(AutorunName).found) return {AutorunOutcome::Exists, ""};
    const Lookup ini = disc.Find(common::project::FileName);
    if (!ini.found || ini.folder) return {AutorunOutcome::NoProject, ""};

    menu::settings::General values;
    menu::settings::ReadGeneral(services, ini.real, values);
    const std::string label = FirstCharacters(values.Name, VolumeLabelLength);

    const std::string path = os::ChildPath(disc.Root(), AutorunName);
    const bool written = services.WriteProfileString(path, Section, "open", Program) &&
                         services.WriteProfileString(path, Section, "icon", Program) &&
                         services.WriteProfileString(path, Section, "label", label);
    if (!written) return {AutorunOutcome::Unwritable, ""};
    return {AutorunOutcome::Written, label};
}

}  // namespace cdcheck

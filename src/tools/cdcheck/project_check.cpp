#include "tools/cdcheck/project_check.h"

#include "common/project_file.h"
#include "menu/project_settings.h"
#include "os/file_system.h"
#include "tools/cdcheck/file_checks.h"
#include "tools/cdcheck/image_checks.h"
#include "tools/cdcheck/path_checks.h"
#include "tools/cdcheck/stored_project.h"
#include "tools/cdcheck/value_checks.h"

namespace cdcheck {

namespace project = common::project;
namespace general = common::project::general;
namespace item = common::project::item;
namespace settings = menu::settings;

namespace {

// Section General: lengths in the order read, then what the menu program
// makes of each value.
void CheckGeneral(const StoredProject& stored, PathChecks& paths, const settings::General& values,
                  Report& report) {
    for (const project::Key* key : project::general::MenuReadOrder) {
        // The splash shows for a fixed time: SplashTime is read, never used.
        if (key == &general::SplashTime) continue;
        CheckLength(stored.At(project::GeneralSection, *key), *key, InGeneral(*key), report);
        if (key == &general::Items) CheckItems(values.Items, report);
        if (key == &general::FontSize) CheckFontSize(values.Fontsize, report);
        if (key == &general::ForeColor) CheckWholeColor(general::ForeColor, values.ForeColor, report);
        if (key == &general::HighColor) CheckWholeColor(general::HighColor, values.HighColor, report);
        if (key == &general::ColorPic) CheckColorPic(values.ColorPic, report);
    }
    if (settings::UsesPlainColour(values.ColorPic)) {
        CheckBackColor(values.BackColor, report);
    } else if (values.BackgroundPic.empty()) {
        report.Fault(InGeneral(general::BackgroundPic),
                     "leer, obwohl ColorPic das Hintergrundbild wählt; das Menüprogramm meldet "
                     "\"Hintergrundbild '' nicht gefunden!\"");
    } else {
        paths.Picture(InGeneral(general::BackgroundPic), values.BackgroundPic, true);
    }
    if (!values.SplashPic.empty())
        paths.Picture(InGeneral(general::SplashPic), values.SplashPic, true);
}

void CheckEntry(const StoredProject& stored, PathChecks& paths, int number, Report& report) {
    settings::Entry entry;
    settings::ReadEntry(stored.Reader(), number, entry);
    const std::string section = project::ItemSection(number);
    for (const project::Key* key : project::item::ReadOrder) {
        const Place where = InEntry(number, entry.txt, *key);
        CheckLength(stored.At(section, *key), *key, where, report);
        if (key == &item::Command) paths.Command(where, entry.command);
        if (key == &item::Icon && !entry.icon.empty()) {
            const bool picture =
                settings::IconSourceOf(entry.icon) == settings::IconSource::PictureFile;
            paths.Picture(where, entry.icon, picture);
        }
    }
}

}  // namespace

CheckOutcome CheckDisc(const Disc& disc, os::Services& services, forms::Backend& pictures,
                       Report& report, std::optional<disc_image::Plan>* image) {
    if (!disc.Readable()) return CheckOutcome::Unreadable;
    const Lookup ini = disc.Find(project::FileName);
    if (!ini.found) {
        report.Fault(project::FileName, "fehlt im Ordner");
        CheckProgram(disc, report);
        std::optional<disc_image::Plan> plan = CheckImage(disc, "", {}, report);
        if (image) *image = std::move(plan);
        return CheckOutcome::Checked;
    }
    const std::optional<std::string> bytes = os::ReadWholeFile(ini.real);
    if (!bytes) return CheckOutcome::Unreadable;

    CheckProgram(disc, report);
    CheckEncoding(*bytes, report);

    const StoredProject stored(services, ini.real);
    PathChecks paths(disc, pictures, report);
    settings::General values;
    settings::ReadGeneral(stored.Reader(), values);
    CheckGeneral(stored, paths, values, report);

    const int itemCount = settings::ItemCountFrom(values.Items);
    for (int number = 1; number <= settings::UsedPlaces(itemCount); ++number)
        CheckEntry(stored, paths, number, report);
    CheckLeftoverEntries(stored, itemCount, report);
    // The disc's label is the project's name, as the menu shows it.
    std::optional<disc_image::Plan> plan = CheckImage(disc, values.Name, paths.JolietFaults(), report);
    if (image) *image = std::move(plan);
    return CheckOutcome::Checked;
}

}  // namespace cdcheck

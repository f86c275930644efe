#include "tools/cdcheck/value_checks.h"

#include <algorithm>

#include "common/conversions.h"

namespace cdcheck {

namespace general = common::project::general;
namespace settings = menu::settings;

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string Entries(int count) {
    return std::to_string(count) + (count == 1 ? " Eintrag" : " Einträge");
}

}  // namespace

void CheckLength(const StoredKey& stored, const common::project::Key& key,
                 const Place& where, Report& report) {
    const std::size_t length = stored.length;
    if (length <= key.menuKept) return;
    const std::string shown = length + 1 >= StoredProject::MeasuredRoom
                                  ? "mehr als " + std::to_string(length)
                                  : std::to_string(length);
    report.Fault(where, "Text mit " + shown + " Zeichen; das Menüprogramm liest nur " +
                            std::to_string(key.menuKept));
}

void CheckItems(const std::string& items, Report& report) {
    const int count = settings::ItemCountFrom(items);
    const std::string shows =
        "; das Menüprogramm zeigt " + Entries(settings::UsedPlaces(count));
    if (!common::ToInteger32(items)) {
        report.Fault(InGeneral(general::Items), Quoted(items) + " ist keine Zahl" + shows);
    } else if (count != settings::UsedPlaces(count)) {
        report.Fault(InGeneral(general::Items),
                     Quoted(items) + " liegt nicht zwischen 0 und " +
                         std::to_string(common::project::MaxItems) + shows);
    }
}

void CheckFontSize(const std::string& fontSize, Report& report) {
    if (settings::KeepsFontSize(fontSize)) return;
    try {
        settings::FontSize(fontSize);
    } catch (...) {
        report.Fault(InGeneral(general::FontSize),
                     Quoted(fontSize) + " ist keine Schriftgröße; das Menüprogramm übergeht sie");
    }
}

void CheckWholeColor(const common::project::Key& key, const std::string& colour, Report& report) {
    try {
        settings::WholeColor(colour);
    } catch (...) {
        report.Fault(InGeneral(key),
                     Quoted(colour) + " ist keine Farbnummer; das Menüprogramm übergeht sie");
    }
}

void CheckColorPic(const std::string& colorPic, Report& report) {
    if (common::ToBoolean(colorPic)) return;
    report.Fault(InGeneral(general::ColorPic),
                 Quoted(colorPic) +
                     " ist weder True/False noch eine Zahl; das Menüprogramm nimmt das "
                     "Hintergrundbild");
}

void CheckBackColor(const std::string& backColor, Report& report) {
    try {
        if (settings::SetsBackColor(settings::LeadingColor(backColor))) return;
        report.Fault(InGeneral(general::BackColor),
                     Quoted(backColor) +
                         " ergibt die Farbe 0, die das Menüprogramm übergeht; es bleibt bei "
                         "seiner Grundfarbe");
    } catch (...) {
        report.Fault(InGeneral(general::BackColor),
                     Quoted(backColor) + " ist keine Farbnummer; das Menüprogramm übergeht sie");
    }
}

void CheckLeftoverEntries(const StoredProject& stored, int itemCount, Report& report) {
    for (int number = std::max(itemCount, 0) + 1; number <= StoredProject::LargestCount; ++number) {
        if (!stored.HasEntrySection(number)) continue;
        settings::Entry entry;
        settings::ReadEntry(stored.Reader(), number, entry);
        report.Information(InEntry(number, entry.txt),
                           "Abschnitt [" + common::project::ItemSection(number) +
                               "] bleibt übrig, Items zählt nur " + Entries(std::max(itemCount, 0)));
    }
}

}  // namespace cdcheck

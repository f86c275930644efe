#include "tools/cdcheck/path_checks.h"

#include "menu/shell_command.h"
#include "disc_image/names.h"
#include "os/file_system.h"

namespace cdcheck {
namespace {

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

void PathChecks::Command(const Place& where, const std::string& command) {
    const menu::ShellCommand split =
        menu::SplitCommand(command, [this](const std::string& path) { return Exists(path); });
    if (menu::IsAddress(split.file)) return;
    if (split.file.empty()) {
        report_.Fault(where, "leer; ein Klick meldet nur \"Datei '' nicht gefunden!\"");
        return;
    }
    const bool quoted = command.front() == '"';
    const std::optional<Lookup> lookup = Locate(where, split.file, quoted);
    if (lookup && !lookup->found) report_.Fault(where, Quoted(split.file) + " fehlt auf der CD");
}

void PathChecks::Picture(const Place& where, const std::string& path, bool load) {
    const std::optional<Lookup> lookup = Locate(where, path, false);
    if (!lookup) return;
    if (!lookup->found) {
        report_.Fault(where, Quoted(path) + " fehlt auf der CD");
    } else if (load && !pictures_.LoadPicture(lookup->real)) {
        report_.Fault(where, Quoted(path) + " lässt sich nicht als Bild laden");
    }
}

std::optional<Lookup> PathChecks::Locate(const Place& where, const std::string& path,
                                         bool quoted) {
    switch (KindOf(path)) {
    case PathKind::Empty:
        return std::nullopt;
    case PathKind::Network:
        report_.Fault(where, Quoted(path) + " ist ein Netzwerkpfad und zeigt nicht auf die CD");
        return std::nullopt;
    case PathKind::DriveLetter:
        report_.Fault(where, Quoted(path) +
                                 " beginnt mit einem Laufwerksbuchstaben und zeigt nicht auf die CD");
        return std::nullopt;
    case PathKind::Relative:
        report_.Information(where, Quoted(path) +
                                       " ist ein relativer Pfad und hängt vom aktuellen Ordner "
                                       "ab; geprüft ab der CD-Wurzel");
        break;
    case PathKind::OnRoot:
        if (quoted)
            report_.Information(where, Quoted(path) +
                                           " steht in Anführungszeichen, so setzt das "
                                           "Menüprogramm sein Laufwerk nicht davor; der Pfad "
                                           "hängt vom aktuellen Laufwerk ab, geprüft auf der CD");
        break;
    }
    const Lookup lookup = disc_.Find(path);
    std::string onDisc = disc_.Root();
    for (const std::string& name : lookup.names) {
        onDisc = os::ChildPath(onDisc, name);
        if (const auto fault = disc_image::JolietNameFault(name)) {
            report_.Fault(where, "Name " + Quoted(name) + " in " + Quoted(path) + " " + *fault);
            jolietFaults_.insert(onDisc);
        }
    }
    if (lookup.found && lookup.deepestFolderLevel > disc_image::IsoFolderLevels) {
        report_.Information(where, Quoted(path) + " liegt in Ordnerebene " +
                                       std::to_string(lookup.deepestFolderLevel) +
                                       "; reines ISO 9660 erlaubt " +
                                       std::to_string(disc_image::IsoFolderLevels) +
                                       ", die Wurzel mitgezählt: im CD-Abbild sehen es nur "
                                       "Joliet-Leser (wie Windows)");
    }
    return lookup;
}

bool PathChecks::Exists(const std::string& path) const {
    const PathKind kind = KindOf(path);
    return (kind == PathKind::OnRoot || kind == PathKind::Relative) && disc_.Find(path).found;
}

}  // namespace cdcheck

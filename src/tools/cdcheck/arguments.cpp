#include "tools/cdcheck/arguments.h"

namespace cdcheck {

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    bool folderGiven = false;
    bool imageGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--quiet") {
            parsed.quiet = true;
        } else if (arg == "--autorun") {
            parsed.autorun = true;
        } else if (arg == "--force") {
            parsed.force = true;
        } else if (arg == "--iso") {
            if (imageGiven || i + 1 >= args.size() || args[i + 1].empty()) return std::nullopt;
            parsed.image = args[++i];
            imageGiven = true;
        } else if (arg == "--help") {
            parsed.help = true;
        } else if (arg.rfind("--", 0) == 0 || folderGiven || arg.empty()) {
            return std::nullopt;
        } else {
            parsed.folder = arg;
            folderGiven = true;
        }
    }
    if (parsed.help) return args.size() == 1 ? std::optional(parsed) : std::nullopt;
    if (!folderGiven || (parsed.autorun && imageGiven) || (parsed.force && !imageGiven))
        return std::nullopt;
    return parsed;
}

std::vector<std::string> UsageLines() {
    return {
        "Aufruf: cdcheck [--quiet] ORDNER",
        "        cdcheck [--quiet] --autorun ORDNER",
        "        cdcheck [--quiet] [--force] --iso ABBILD ORDNER",
        "Prüft die künftige CD in ORDNER (kelvo.ini und kelvo.exe in der Wurzel) so,",
        "wie das Menüprogramm sie liest; mit --autorun schreibt es ORDNER\\autorun.inf,",
        "mit --iso nach der Prüfung (ohne Fehler) das CD-Abbild ABBILD (ISO 9660 mit",
        "Joliet); ein vorhandenes ABBILD ersetzt es nur mit --force.",
        "--quiet gibt nichts aus. Rückgabe: 0 in Ordnung, 1 Fehler gefunden",
        "(Hinweise allein zählen nicht) oder ABBILD gibt es schon, 2 falscher Aufruf,",
        "ORDNER nicht lesbar oder ABBILD nicht schreibbar.",
    };
}

}  // namespace cdcheck

#include "tools/cdcheck/arguments.h"

namespace cdcheck {

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    bool folderGiven = false;
    for (const std::string& arg : args) {
        if (arg == "--quiet") {
            parsed.quiet = true;
        } else if (arg == "--autorun") {
            parsed.autorun = true;
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
    if (!folderGiven) return std::nullopt;
    return parsed;
}

std::vector<std::string> UsageLines() {
    return {
        "Aufruf: cdcheck [--quiet] ORDNER",
        "        cdcheck [--quiet] --autorun ORDNER",
        "Prüft die künftige CD in ORDNER (kelvo.ini und kelvo.exe in der Wurzel) so,",
        "wie das Menüprogramm sie liest; mit --autorun schreibt es ORDNER\\autorun.inf.",
        "--quiet gibt nichts aus. Rückgabe: 0 in Ordnung, 1 Fehler gefunden",
        "(Hinweise allein zählen nicht), 2 falscher Aufruf oder ORDNER nicht lesbar.",
    };
}

}  // namespace cdcheck

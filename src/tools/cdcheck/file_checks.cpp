#include "tools/cdcheck/file_checks.h"

#include <string_view>

#include "common/project_file.h"
#include "os/ini_text.h"
#include "os/os.h"
#include "os/unicode.h"

namespace cdcheck {
namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr const char* ProgramName = "kelvo.exe";

// The number of the first line that holds a character beyond ASCII, when
// the text is UTF-8 throughout; 0 when it is not UTF-8 or holds only ASCII.
int FirstUtf8Line(std::string_view text) {
    int line = 1;
    int first = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t at = pos;
        const char32_t c = os::unicode::DecodeUtf8(text, pos);
        if (c == os::unicode::Replacement && pos == at + 1) return 0;  // malformed
        if (c >= 0x80 && first == 0) first = line;
        // CR LF, LF and a lone CR each end a line.
        if (c == '\n' || (c == '\r' && (pos >= text.size() || text[pos] != '\n'))) ++line;
    }
    return first;
}

}  // namespace

void CheckProgram(const Disc& disc, Report& report) {
    const Lookup program = disc.Find(ProgramName);
    if (!program.found || program.folder)
        report.Fault(ProgramName, std::string("fehlt neben ") + common::project::FileName);
}

void CheckEncoding(const std::string& bytes, Report& report) {
    const std::string_view text(bytes);
    if (text.substr(0, Utf16LeMark.size()) == Utf16LeMark) return;  // Unicode text
    const bool marked = text.substr(0, Utf8Mark.size()) == Utf8Mark;
    const std::string_view rest = marked ? text.substr(Utf8Mark.size()) : text;
    if (marked) {
        const std::string_view firstLine = rest.substr(0, rest.find_first_of("\r\n"));
        if (const auto section = os::ini::SectionName(firstLine)) {
            report.Fault(common::project::FileName,
                         "beginnt mit der UTF-8-Kennung (BOM), die Windows nicht kennt; der "
                         "Abschnitt [" + os::AnsiToUtf8(std::string(*section)) +
                             "] in Zeile 1 geht dadurch verloren");
        }
    }
    if (const int line = FirstUtf8Line(rest)) {
        report.Fault(common::project::FileName,
                     "ist in UTF-8 gespeichert; Windows liest sie als Windows-1252, so "
                     "erscheinen Umlaute im Menü verfälscht (zuerst in Zeile " +
                         std::to_string(line) + ")");
    }
}

}  // namespace cdcheck

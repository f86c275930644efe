// The findings of a check, one line each, and the exit status they give.
//
// A line reads "Fehler: WHERE: TEXT" or "Hinweis: WHERE: TEXT". WHERE names
// a file ("kelvo.exe", "kelvo.ini"), a key of section General ("General,
// FontSize") or an entry and its key ("Eintrag 2 (Bildergalerie),
// Command"), keys spelt as the editor writes them. A fault is something the
// menu program will get wrong on the disc; information is something that
// may be right, depending on how the menu is started or how the disc is
// written.
#pragma once

#include <string>
#include <vector>

#include "common/project_file.h"

namespace cdcheck {

enum class Severity { Fault, Information };

// WHERE a finding is: its text, and the entry (1 to 10, 0 for none) and
// the key it names (null for none), so that an editor can show the field.
struct Place {
    std::string text;
    int entry = 0;
    const common::project::Key* key = nullptr;
    Place(std::string text) : text(std::move(text)) {}
    Place(const char* text) : text(text) {}
    Place(std::string text, int entry, const common::project::Key* key)
        : text(std::move(text)), entry(entry), key(key) {}
};

struct Finding {
    Severity severity;
    Place where;
    std::string text;
};

// WHERE of a key of section General, of an entry's key, of an entry.
Place InGeneral(const common::project::Key& key);
Place InEntry(int number, const std::string& caption);
Place InEntry(int number, const std::string& caption, const common::project::Key& key);

class Report {
public:
    void Fault(const Place& where, const std::string& text);
    void Information(const Place& where, const std::string& text);

    const std::vector<Finding>& Findings() const { return findings_; }
    int FaultCount() const;
    // Every finding as its line, in the order found.
    std::vector<std::string> Lines() const;
    // "Ergebnis: 2 Fehler, 1 Hinweis".
    std::string Summary() const;

private:
    std::vector<Finding> findings_;
};

std::string Line(const Finding& finding);

}  // namespace cdcheck

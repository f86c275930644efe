#include "tools/cdcheck/report.h"

#include <algorithm>

namespace cdcheck {

Place InGeneral(const common::project::Key& key) {
    return Place(std::string(common::project::GeneralSection) + ", " + key.written, 0, &key);
}

Place InEntry(int number, const std::string& caption) {
    return Place("Eintrag " + std::to_string(number) + " (" + caption + ")", number, nullptr);
}

Place InEntry(int number, const std::string& caption, const common::project::Key& key) {
    return Place(InEntry(number, caption).text + ", " + key.written, number, &key);
}

void Report::Fault(const Place& where, const std::string& text) {
    findings_.push_back({Severity::Fault, where, text});
}

void Report::Information(const Place& where, const std::string& text) {
    findings_.push_back({Severity::Information, where, text});
}

int Report::FaultCount() const {
    return static_cast<int>(std::count_if(findings_.begin(), findings_.end(), [](const Finding& f) {
        return f.severity == Severity::Fault;
    }));
}

std::vector<std::string> Report::Lines() const {
    std::vector<std::string> lines;
    for (const Finding& finding : findings_) lines.push_back(Line(finding));
    return lines;
}

std::string Report::Summary() const {
    const int faults = FaultCount();
    const int information = static_cast<int>(findings_.size()) - faults;
    return "Ergebnis: " + std::to_string(faults) + " Fehler, " + std::to_string(information) +
           (information == 1 ? " Hinweis" : " Hinweise");
}

std::string Line(const Finding& finding) {
    return std::string(finding.severity == Severity::Fault ? "Fehler: " : "Hinweis: ") +
           finding.where.text + ": " + finding.text;
}

}  // namespace cdcheck

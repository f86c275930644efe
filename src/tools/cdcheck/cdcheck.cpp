#include "tools/cdcheck/cdcheck.h"

#include "common/project_file.h"
#include "tools/cdcheck/arguments.h"
#include "tools/cdcheck/autorun.h"
#include "tools/cdcheck/disc.h"
#include "tools/cdcheck/project_check.h"
#include "tools/cdcheck/report.h"

namespace cdcheck {
namespace {

int Unreadable(const std::string& folder, const Output& output, bool quiet) {
    if (!quiet) output.error("cdcheck: '" + folder + "' lässt sich nicht lesen");
    return StatusWrongUse;
}

int Check(const Arguments& arguments, os::Services& services, forms::Backend& pictures,
          const Output& output) {
    Report report;
    const Disc disc(FromUtf8(arguments.folder));
    if (CheckDisc(disc, services, pictures, report) == CheckOutcome::Unreadable)
        return Unreadable(arguments.folder, output, arguments.quiet);
    if (!arguments.quiet) {
        for (const std::string& line : report.Lines()) output.out(line);
        output.out(report.Summary());
    }
    return report.FaultCount() > 0 ? StatusFaults : StatusClean;
}

int Autorun(const Arguments& arguments, os::Services& services, const Output& output) {
    const Disc disc(FromUtf8(arguments.folder));
    const AutorunResult result = WriteAutorun(disc, services);
    auto say = [&](const std::string& line) {
        if (!arguments.quiet) output.out(line);
    };
    switch (result.outcome) {
    case AutorunOutcome::Written:
        say(std::string(AutorunName) + " geschrieben: open=kelvo.exe, icon=kelvo.exe, label=" +
            result.label);
        return StatusClean;
    case AutorunOutcome::Exists:
        say(std::string(AutorunName) + " gibt es schon; es bleibt, wie es ist");
        return StatusFaults;
    case AutorunOutcome::NoProject:
        say(std::string(common::project::FileName) + " fehlt; " + AutorunName +
            " nicht geschrieben");
        return StatusFaults;
    case AutorunOutcome::Unwritable:
        if (!arguments.quiet)
            output.error("cdcheck: " + std::string(AutorunName) + " lässt sich nicht schreiben");
        return StatusWrongUse;
    case AutorunOutcome::Unreadable:
        break;
    }
    return Unreadable(arguments.folder, output, arguments.quiet);
}

}  // namespace

int Run(const std::vector<std::string>& args, os::Services& services, forms::Backend& pictures,
        const Output& output) {
    const std::optional<Arguments> arguments = ParseArguments(args);
    if (!arguments) {
        for (const std::string& line : UsageLines()) output.error(line);
        return StatusWrongUse;
    }
    if (arguments->help) {
        for (const std::string& line : UsageLines()) output.out(line);
        return StatusClean;
    }
    if (arguments->autorun) return Autorun(*arguments, services, output);
    return Check(*arguments, services, pictures, output);
}

}  // namespace cdcheck

#include "tools/cdcheck/cdcheck.h"

#include <chrono>

#include "common/project_file.h"
#include "tools/cdcheck/arguments.h"
#include "tools/cdcheck/autorun.h"
#include "tools/cdcheck/disc.h"
#include "tools/cdcheck/image_checks.h"
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
    const Disc disc(arguments.folder);
    if (CheckDisc(disc, services, pictures, report) == CheckOutcome::Unreadable)
        return Unreadable(arguments.folder, output, arguments.quiet);
    if (!arguments.quiet) {
        for (const std::string& line : report.Lines()) output.out(line);
        output.out(report.Summary());
    }
    return report.FaultCount() > 0 ? StatusFaults : StatusClean;
}

// Checks the folder, and without a fault writes its CD image: the progress
// as a percentage once it takes more than a moment, then size and label.
int Image(const Arguments& arguments, os::Services& services, forms::Backend& pictures,
          const Output& output) {
    Report report;
    const Disc disc(arguments.folder);
    std::optional<disc_image::Plan> plan;
    if (CheckDisc(disc, services, pictures, report, &plan) == CheckOutcome::Unreadable)
        return Unreadable(arguments.folder, output, arguments.quiet);
    auto say = [&](const std::string& line) {
        if (!arguments.quiet) output.out(line);
    };
    if (report.FaultCount() > 0 || !plan) {
        for (const std::string& line : report.Lines()) say(line);
        say(report.Summary());
        say("Das CD-Abbild wurde nicht geschrieben.");
        return StatusFaults;
    }
    if (!arguments.force && os::FileExists(arguments.image)) {
        say("Das CD-Abbild '" + arguments.image + "' gibt es schon; es bleibt, wie es ist (--force "
            "ersetzt es)");
        return StatusFaults;
    }
    for (const std::string& line : report.Lines()) say(line);
    const auto start = std::chrono::steady_clock::now();
    bool shown = false;
    disc_image::WriteOptions options;
    options.replace = arguments.force;
    options.progress = [&](std::uint64_t written, std::uint64_t total) {
        if (arguments.quiet || !output.progress || total == 0) return true;
        if (!shown && std::chrono::steady_clock::now() - start < std::chrono::seconds(1)) return true;
        shown = true;
        output.progress(std::to_string(written * 100 / total) + " %");
        return true;
    };
    const disc_image::Written written = disc_image::WriteImage(*plan, arguments.image, options);
    if (shown) output.progress("");
    if (written.outcome != disc_image::Outcome::Written) {
        if (!arguments.quiet) output.error("cdcheck: " + written.error);
        return StatusWrongUse;
    }
    say("CD-Abbild geschrieben: " + arguments.image + " (" + std::to_string(plan->imageBytes) +
        " Bytes, " + ShownSize(plan->imageBytes) + "), Bezeichnung " + plan->jolietLabel);
    return StatusClean;
}

int Autorun(const Arguments& arguments, os::Services& services, const Output& output) {
    const Disc disc(arguments.folder);
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
    if (!arguments->image.empty()) return Image(*arguments, services, pictures, output);
    return Check(*arguments, services, pictures, output);
}

}  // namespace cdcheck

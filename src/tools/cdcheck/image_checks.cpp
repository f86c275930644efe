#include "tools/cdcheck/image_checks.h"

#include <cstdio>

namespace cdcheck {

std::optional<disc_image::Plan> CheckImage(const Disc& disc, const std::string& projectName,
                                           const std::set<std::string>& reported, Report& report) {
    disc_image::Planned planned = disc_image::PlanImage(disc.Root(), projectName);
    if (!planned.plan) {
        if (!reported.count(planned.path))
            report.Fault(ImagePlace, "lässt sich nicht schreiben: " + planned.error);
        return std::nullopt;
    }
    const std::uint64_t bytes = planned.plan->imageBytes;
    if (bytes > CdBytes)
        report.Information(ImagePlace, "wird " + ShownSize(bytes) +
                                           " groß, mehr als eine CD (700 MB) fasst; es braucht " +
                                           MediumFor(bytes));
    return std::move(planned.plan);
}

std::string ShownSize(std::uint64_t bytes) {
    char text[32];
    if (bytes >= 1'000'000'000)
        std::snprintf(text, sizeof text, "%.1f GB", static_cast<double>(bytes) / 1e9);
    else
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    std::string shown = text;
    for (char& c : shown)
        if (c == '.') c = ',';
    return shown;
}

std::string MediumFor(std::uint64_t bytes) {
    if (bytes <= CdBytes) return "eine CD (700 MB)";
    if (bytes <= 4'700'372'992) return "eine DVD (4,7 GB)";
    if (bytes <= 8'543'666'176) return "eine zweilagige DVD (8,5 GB)";
    return "eine Blu-ray (25 GB)";
}

}  // namespace cdcheck

// The CD image of the checked folder: laid out before anything is written,
// with the project's name as its label. The check reports what keeps the
// image from being written and an image larger than a CD holds.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "disc_image/disc_image.h"
#include "tools/cdcheck/disc.h"
#include "tools/cdcheck/report.h"

namespace cdcheck {

// What a CD-R holds (80 minutes): 360 000 sectors of 2048 bytes.
inline constexpr std::uint64_t CdBytes = 737'280'000;

// The place of the findings about the image.
inline constexpr const char* ImagePlace = "CD-Abbild";

// Lays out the image of the disc labelled with projectName. A name or file
// that keeps it from being written is a fault; an image larger than a CD
// is information that names its size and the medium it needs.
// A name already reported (reported holds its path) is not reported again.
std::optional<disc_image::Plan> CheckImage(const Disc& disc, const std::string& projectName,
                                           const std::set<std::string>& reported, Report& report);

// The size as people read it: "812,5 MB", "4,2 GB" (1 MB = 1 000 000 bytes,
// as the media are sold).
std::string ShownSize(std::uint64_t bytes);

// The smallest medium that holds bytes: "eine CD (700 MB)", "eine DVD
// (4,7 GB)", "eine zweilagige DVD (8,5 GB)", "eine Blu-ray (25 GB)".
std::string MediumFor(std::uint64_t bytes);

}  // namespace cdcheck

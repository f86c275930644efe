// The whole check of a future disc: the files in its root, then the
// project file key by key in the order the menu program reads it, with its
// reader, its conversions and its command split.
#pragma once

#include <optional>

#include "disc_image/disc_image.h"
#include "forms/backend.h"
#include "os/services.h"
#include "tools/cdcheck/disc.h"
#include "tools/cdcheck/report.h"

namespace cdcheck {

enum class CheckOutcome { Checked, Unreadable };

// Checks the disc, its CD image included; Unreadable when its root or its
// kelvo.ini cannot be read (nothing is reported then). With image, the
// image's plan goes there when it can be written.
CheckOutcome CheckDisc(const Disc& disc, os::Services& services, forms::Backend& pictures,
                       Report& report, std::optional<disc_image::Plan>* image = nullptr);

}  // namespace cdcheck

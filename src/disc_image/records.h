// The bytes of an image before the files' data: the volume descriptors,
// the path tables and the directories of both trees.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "disc_image/layout.h"

namespace disc_image {

// Sectors 0 to layout.dataSector - 1 of the image.
std::string Metadata(const Layout& layout);

// A time as directory records hold it: years since 1900, month, day, hour,
// minute, second, offset from UTC (0). Times before 1900 or after 2155,
// which the record cannot hold, become its first or last second.
std::array<std::uint8_t, 7> RecordTime(std::int64_t seconds);

}  // namespace disc_image

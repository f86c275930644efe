// The laid-out tree of an image: every entry of the folder with its names
// in both trees and where its data and directories lie. Sectors are 2048
// bytes; 0 to 15 are empty, 16 holds the primary volume descriptor, 17 the
// Joliet descriptor, 18 the terminator; then the four path tables (ISO 9660
// and Joliet, each in little- and big-endian order), the ISO 9660
// directories, the Joliet directories, and the files' data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "disc_image/disc_image.h"

namespace disc_image {

inline constexpr std::uint32_t SectorBytes = 2048;
inline constexpr std::uint32_t PrimarySector = 16;
inline constexpr std::uint32_t JolietSector = 17;
inline constexpr std::uint32_t TerminatorSector = 18;
inline constexpr std::uint32_t FirstPathTableSector = 19;

struct Entry {
    std::string name;  // as in the folder, UTF-8; empty for the root
    std::string source;    // its path, UTF-8
    std::string identity;  // as os::EntryFacts says, for links back up the tree
    bool folder = false;
    std::uint64_t size = 0;  // of a file
    std::int64_t time = 0;   // modification, in seconds since 1970 (UTC)
    std::size_t parent = 0;
    int level = 1;  // of a folder, the root 1; of a file, that of its folder
    std::vector<std::size_t> children;  // in the byte order of their names

    // Laid out.
    std::string isoName;  // identifier; empty when out of the ISO 9660 tree
    std::u16string jolietName;
    std::vector<std::size_t> isoChildren, jolietChildren;  // in record order
    std::uint32_t extent = 0;  // of a file: its first sector (0 when empty)
    std::uint32_t isoExtent = 0, isoBytes = 0;  // of a folder: its directories
    std::uint32_t jolietExtent = 0, jolietBytes = 0;
    std::uint16_t isoNumber = 0, jolietNumber = 0;  // in the path tables
};

struct Layout {
    std::vector<Entry> entries;  // the root first
    std::vector<std::size_t> isoFolders, jolietFolders;  // in path table order
    std::vector<std::size_t> files;                      // in the order of their data
    std::uint32_t isoPathTableBytes = 0, jolietPathTableBytes = 0;
    std::uint32_t isoPathTableL = 0, isoPathTableM = 0;  // sectors
    std::uint32_t jolietPathTableL = 0, jolietPathTableM = 0;
    std::uint32_t dataSector = 0;  // the first sector of the files' data
    std::uint32_t sectors = 0;     // of the whole image
    std::int64_t volumeTime = 0;   // the newest time of the entries
    std::string isoLabel, jolietLabel;
};

// Every entry under root, the root first, each folder's children in the
// byte order of their names; nothing, with a German message in error, when
// a folder or an entry cannot be read, an entry is neither file nor folder,
// or a folder lies inside itself through a link.
std::optional<std::vector<Entry>> ReadFolder(const std::string& root, std::string& error,
                                             std::string& path);

// The folders beyond the ISO 9660 levels, as in Plan::jolietOnlyFolders.
std::vector<std::string> FoldersBeyondIsoLevels(const std::vector<Entry>& entries);

}  // namespace disc_image

// The plan of an image: names in both trees, the order of the directory
// records and path tables, and the sector of every directory and file.
#include <algorithm>
#include <limits>

#include "disc_image/layout.h"
#include "disc_image/names.h"

namespace disc_image {
namespace {

constexpr std::uint64_t LargestFile = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t MostFolders = std::numeric_limits<std::uint16_t>::max();

std::uint64_t SectorsOf(std::uint64_t bytes) { return (bytes + SectorBytes - 1) / SectorBytes; }

// An identifier split as the records are ordered: the name, the extension
// (after the last dot of a file's name) and no version.
template <class Text>
std::pair<Text, Text> SplitIdentifier(const Text& identifier, bool folder) {
    using Char = typename Text::value_type;
    Text name = identifier.substr(0, identifier.find(Char(';')));
    if (folder) return {name, Text()};
    const std::size_t dot = name.rfind(Char('.'));
    if (dot == Text::npos) return {name, Text()};
    return {name.substr(0, dot), name.substr(dot + 1)};
}

// Compares as if the shorter were filled up with blanks.
template <class Text>
int ComparePadded(const Text& a, const Text& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const auto x = static_cast<std::uint32_t>(i < a.size() ? a[i] : ' ');
        const auto y = static_cast<std::uint32_t>(i < b.size() ? b[i] : ' ');
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// The order of the records of a folder: by name, then by extension; two
// identifiers that only differ in trailing blanks in the order of their
// characters.
template <class Text>
bool RecordBefore(const Text& a, bool aFolder, const Text& b, bool bFolder) {
    const auto [aName, aExtension] = SplitIdentifier(a, aFolder);
    const auto [bName, bExtension] = SplitIdentifier(b, bFolder);
    if (const int c = ComparePadded(aName, bName)) return c < 0;
    if (const int c = ComparePadded(aExtension, bExtension)) return c < 0;
    return a < b;
}

// The bytes of a directory whose records have the given lengths, behind
// "." and "..": a record never crosses the end of a sector.
std::uint64_t DirectoryBytes(const std::vector<std::uint32_t>& records) {
    std::uint64_t bytes = 2 * 34;
    for (const std::uint32_t length : records) {
        if (bytes % SectorBytes + length > SectorBytes) bytes = SectorsOf(bytes) * SectorBytes;
        bytes += length;
    }
    return SectorsOf(bytes) * SectorBytes;
}

std::uint32_t RecordLength(std::size_t identifierBytes) {
    return static_cast<std::uint32_t>(33 + identifierBytes + (identifierBytes % 2 == 0 ? 1 : 0));
}

std::uint32_t PathTableRecordLength(std::size_t identifierBytes) {
    return static_cast<std::uint32_t>(8 + identifierBytes + identifierBytes % 2);
}

// The folders of one tree in path table order (level by level, within a
// level by parent, then in record order), numbered from 1, with the size of
// the table.
template <class Children, class Number, class IdentifierBytes>
std::vector<std::size_t> PathTable(std::vector<Entry>& entries, Children children, Number number,
                                   IdentifierBytes identifierBytes, std::uint32_t& tableBytes) {
    std::vector<std::size_t> folders{0};
    tableBytes = 0;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        Entry& folder = entries[folders[i]];
        number(folder) = static_cast<std::uint16_t>(i + 1);
        tableBytes += PathTableRecordLength(i == 0 ? 1 : identifierBytes(folder));
        for (const std::size_t child : children(folder))
            if (entries[child].folder) folders.push_back(child);
    }
    return folders;
}

// Names in both trees and the record order of every folder.
void Name(std::vector<Entry>& entries) {
    for (Entry& folder : entries) {
        if (!folder.folder) continue;
        std::vector<NameRequest> requests;
        for (const std::size_t child : folder.children)
            requests.push_back({entries[child].name, entries[child].folder});
        const std::vector<std::string> iso = IsoIdentifiers(requests);
        for (std::size_t i = 0; i < folder.children.size(); ++i) {
            Entry& child = entries[folder.children[i]];
            child.jolietName = Utf16(child.name) + (child.folder ? u"" : u";1");
            if (child.level <= IsoFolderLevels) {
                child.isoName = iso[i];
                folder.isoChildren.push_back(folder.children[i]);
            }
            folder.jolietChildren.push_back(folder.children[i]);
        }
        std::sort(folder.isoChildren.begin(), folder.isoChildren.end(),
                  [&](std::size_t a, std::size_t b) {
                      return RecordBefore(entries[a].isoName, entries[a].folder, entries[b].isoName,
                                          entries[b].folder);
                  });
        std::sort(folder.jolietChildren.begin(), folder.jolietChildren.end(),
                  [&](std::size_t a, std::size_t b) {
                      return RecordBefore(entries[a].jolietName, entries[a].folder, entries[b].jolietName,
                                          entries[b].folder);
                  });
    }
}

std::optional<Layout> LayOut(std::vector<Entry> entries, const std::string& volumeName,
                             std::string& error, std::string& path) {
    for (const Entry& entry : entries) {
        if (&entry != &entries[0]) {
            if (const auto fault = JolietNameFault(entry.name)) {
                error = "'" + entry.source + "': der Name " + *fault + ".";
                path = entry.source;
                return std::nullopt;
            }
        }
        if (entry.size > LargestFile) {
            path = entry.source;
            error = "Die Datei '" + entry.source + "' ist mit " + std::to_string(entry.size) +
                    " Bytes zu groß für ein CD-Abbild; erlaubt sind höchstens " +
                    std::to_string(LargestFile) + " Bytes.";
            return std::nullopt;
        }
    }
    Name(entries);

    Layout layout;
    layout.isoFolders = PathTable(
        entries, [](Entry & e) -> auto& { return e.isoChildren; },
        [](Entry & e) -> auto& { return e.isoNumber; }, [](const Entry& e) { return e.isoName.size(); },
        layout.isoPathTableBytes);
    layout.jolietFolders = PathTable(
        entries, [](Entry & e) -> auto& { return e.jolietChildren; },
        [](Entry & e) -> auto& { return e.jolietNumber; },
        [](const Entry& e) { return 2 * e.jolietName.size(); }, layout.jolietPathTableBytes);
    if (layout.jolietFolders.size() > MostFolders) {
        path = entries[0].source;
        error = "Der Ordner '" + entries[0].source + "' hat mit " +
                std::to_string(layout.jolietFolders.size()) +
                " Ordnern zu viele für ein CD-Abbild (höchstens " + std::to_string(MostFolders) + ").";
        return std::nullopt;
    }

    std::uint64_t next = FirstPathTableSector;
    const auto take = [&](std::uint64_t bytes) {
        const std::uint64_t at = next;
        next += SectorsOf(bytes);
        return static_cast<std::uint32_t>(at);
    };
    layout.isoPathTableL = take(layout.isoPathTableBytes);
    layout.isoPathTableM = take(layout.isoPathTableBytes);
    layout.jolietPathTableL = take(layout.jolietPathTableBytes);
    layout.jolietPathTableM = take(layout.jolietPathTableBytes);
    for (const std::size_t at : layout.isoFolders) {
        Entry& folder = entries[at];
        std::vector<std::uint32_t> records;
        for (const std::size_t child : folder.isoChildren)
            records.push_back(RecordLength(entries[child].isoName.size()));
        const std::uint64_t bytes = DirectoryBytes(records);
        folder.isoBytes = static_cast<std::uint32_t>(bytes);
        folder.isoExtent = take(bytes);
    }
    for (const std::size_t at : layout.jolietFolders) {
        Entry& folder = entries[at];
        std::vector<std::uint32_t> records;
        for (const std::size_t child : folder.jolietChildren)
            records.push_back(RecordLength(2 * entries[child].jolietName.size()));
        const std::uint64_t bytes = DirectoryBytes(records);
        folder.jolietBytes = static_cast<std::uint32_t>(bytes);
        folder.jolietExtent = take(bytes);
    }
    layout.dataSector = static_cast<std::uint32_t>(next);
    for (const std::size_t at : layout.jolietFolders) {
        for (const std::size_t child : entries[at].jolietChildren) {
            Entry& file = entries[child];
            if (file.folder) continue;
            layout.files.push_back(child);
            if (file.size > 0) file.extent = take(file.size);
        }
    }
    if (next > std::numeric_limits<std::uint32_t>::max()) {
        path = entries[0].source;
        error = "Das CD-Abbild von '" + entries[0].source + "' würde zu groß.";
        return std::nullopt;
    }
    layout.sectors = static_cast<std::uint32_t>(next);
    for (const Entry& entry : entries)
        layout.volumeTime = std::max(layout.volumeTime, entry.time);
    layout.isoLabel = IsoVolumeLabel(volumeName);
    layout.jolietLabel = JolietVolumeLabel(volumeName);
    layout.entries = std::move(entries);
    return layout;
}

}  // namespace

Planned PlanImage(const std::string& folder, const std::string& volumeName) {
    Planned planned;
    std::optional<std::vector<Entry>> entries = ReadFolder(folder, planned.error, planned.path);
    if (!entries) return planned;
    std::optional<Layout> layout = LayOut(std::move(*entries), volumeName, planned.error, planned.path);
    if (!layout) return planned;
    Plan plan;
    plan.folder = folder;
    plan.isoLabel = layout->isoLabel;
    plan.jolietLabel = layout->jolietLabel;
    plan.imageBytes = std::uint64_t{layout->sectors} * SectorBytes;
    plan.jolietOnlyFolders = FoldersBeyondIsoLevels(layout->entries);
    plan.layout = std::make_shared<const Layout>(std::move(*layout));
    planned.plan = std::move(plan);
    return planned;
}

std::vector<std::string> JolietOnlyFolders(const std::string& folder) {
    std::string error, path;
    const std::optional<std::vector<Entry>> entries = ReadFolder(folder, error, path);
    return entries ? FoldersBeyondIsoLevels(*entries) : std::vector<std::string>{};
}

}  // namespace disc_image

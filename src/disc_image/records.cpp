#include "disc_image/records.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "disc_image/names.h"

namespace disc_image {
namespace {

constexpr std::int64_t FirstRecordSecond = -2208988800;  // 1900-01-01 00:00:00
constexpr std::int64_t LastRecordSecond = 5932195199;    // 2155-12-31 23:59:59

struct Civil {
    int year, month, day, hour, minute, second;
};

// The calendar date and time of seconds since 1970 (UTC), in the
// proleptic Gregorian calendar, counted in eras of 400 years.
Civil CivilTime(std::int64_t seconds) {
    seconds = std::clamp(seconds, FirstRecordSecond, LastRecordSecond);
    std::int64_t days = seconds / 86400;
    std::int64_t inDay = seconds % 86400;
    if (inDay < 0) inDay += 86400, --days;
    days += 719468;  // from 0000-03-01
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    Civil civil{};
    civil.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    civil.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    civil.year = static_cast<int>(yearOfEra + era * 400 + (civil.month <= 2 ? 1 : 0));
    civil.hour = static_cast<int>(inDay / 3600);
    civil.minute = static_cast<int>(inDay / 60 % 60);
    civil.second = static_cast<int>(inDay % 60);
    return civil;
}

// Writes into the image at a fixed place.
class Bytes {
public:
    explicit Bytes(std::string& image) : image_(image) {}

    void U8(std::size_t at, std::uint8_t value) { image_[at] = static_cast<char>(value); }
    void U16Little(std::size_t at, std::uint16_t value) { U8(at, value & 0xFF), U8(at + 1, value >> 8); }
    void U16Big(std::size_t at, std::uint16_t value) { U8(at, value >> 8), U8(at + 1, value & 0xFF); }
    void U16Both(std::size_t at, std::uint16_t value) { U16Little(at, value), U16Big(at + 2, value); }
    void U32Little(std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            U8(at + i, static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void U32Big(std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            U8(at + i, static_cast<std::uint8_t>(value >> (8 * (3 - i))));
    }
    void U32Both(std::size_t at, std::uint32_t value) { U32Little(at, value), U32Big(at + 4, value); }
    void Text(std::size_t at, std::string_view text) { image_.replace(at, text.size(), text); }
    // A text field of d- or a-characters, filled up with blanks.
    void Field(std::size_t at, std::size_t length, std::string_view text) {
        image_.replace(at, length, std::string(length, ' '));
        Text(at, text.substr(0, length));
    }
    // A text field of UCS-2 characters (big-endian), filled up with blanks;
    // a field of an odd length ends in a zero byte.
    void WideField(std::size_t at, std::size_t length, std::u16string_view text) {
        for (std::size_t i = 0; i + 1 < length; i += 2)
            U16Big(at + i, i / 2 < text.size() ? text[i / 2] : u' ');
        if (length % 2) U8(at + length - 1, 0);
    }

private:
    std::string& image_;
};

std::string BigEndian(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text)
        out += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    return out;
}

// One directory record: its length, no extended attributes, the extent and
// the data length, the time, the flags (2: a folder), no interleaving,
// volume 1, the identifier and a pad byte that keeps the length even.
std::string Record(std::uint32_t extent, std::uint32_t bytes, std::int64_t time, bool folder,
                   std::string_view identifier) {
    const std::size_t length = 33 + identifier.size() + (identifier.size() % 2 == 0 ? 1 : 0);
    std::string record(length, '\0');
    Bytes out(record);
    out.U8(0, static_cast<std::uint8_t>(length));
    out.U32Both(2, extent);
    out.U32Both(10, bytes);
    const auto stamp = RecordTime(time);
    for (std::size_t i = 0; i < stamp.size(); ++i)
        out.U8(18 + i, stamp[i]);
    out.U8(25, folder ? 2 : 0);
    out.U16Both(28, 1);
    out.U8(32, static_cast<std::uint8_t>(identifier.size()));
    out.Text(33, identifier);
    return record;
}

// How one tree is written: which of an entry's fields it takes.
struct Tree {
    const std::vector<std::size_t>& folders;
    std::vector<std::size_t> Entry::*children;
    std::uint32_t Entry::*extent;
    std::uint32_t Entry::*bytes;
    std::uint16_t Entry::*number;
    std::string (*identifier)(const Entry&);
    std::uint32_t pathTableBytes, pathTableL, pathTableM;
};

std::string IsoIdentifier(const Entry& entry) { return entry.isoName; }
std::string JolietIdentifier(const Entry& entry) { return BigEndian(entry.jolietName); }

void WriteDirectories(std::string& image, const Layout& layout, const Tree& tree) {
    const auto& entries = layout.entries;
    for (const std::size_t at : tree.folders) {
        const Entry& folder = entries[at];
        const Entry& parent = entries[folder.parent];
        std::string directory =
            Record(folder.*tree.extent, folder.*tree.bytes, folder.time, true, std::string(1, '\0'));
        directory +=
            Record(parent.*tree.extent, parent.*tree.bytes, parent.time, true, std::string(1, '\1'));
        for (const std::size_t child : folder.*tree.children) {
            const Entry& entry = entries[child];
            const std::string record = entry.folder
                                           ? Record(entry.*tree.extent, entry.*tree.bytes, entry.time,
                                                    true, tree.identifier(entry))
                                           : Record(entry.extent, static_cast<std::uint32_t>(entry.size),
                                                    entry.time, false, tree.identifier(entry));
            if (directory.size() % SectorBytes + record.size() > SectorBytes)
                directory.resize((directory.size() / SectorBytes + 1) * SectorBytes, '\0');
            directory += record;
        }
        image.replace(std::size_t{folder.*tree.extent} * SectorBytes, directory.size(), directory);
    }
}

// The path table: one record per folder with its identifier's length, no
// extended attributes, its extent, its parent's number, and the identifier
// with a pad byte to an even length; numbers in little- or big-endian order.
void WritePathTable(std::string& image, const Layout& layout, const Tree& tree, bool bigEndian) {
    std::string table;
    for (const std::size_t at : tree.folders) {
        const Entry& folder = layout.entries[at];
        const std::string identifier = at == 0 ? std::string(1, '\0') : tree.identifier(folder);
        std::string record(8 + identifier.size() + identifier.size() % 2, '\0');
        Bytes out(record);
        out.U8(0, static_cast<std::uint8_t>(identifier.size()));
        const std::uint16_t parent = layout.entries[folder.parent].*tree.number;
        if (bigEndian) {
            out.U32Big(2, folder.*tree.extent);
            out.U16Big(6, parent);
        } else {
            out.U32Little(2, folder.*tree.extent);
            out.U16Little(6, parent);
        }
        out.Text(8, identifier);
        table += record;
    }
    image.replace(std::size_t{bigEndian ? tree.pathTableM : tree.pathTableL} * SectorBytes, table.size(),
                  table);
}

// "YYYYMMDDHHMMSScc" and the offset from UTC, as the volume descriptors
// hold their dates.
std::string VolumeDate(std::int64_t seconds) {
    const Civil c = CivilTime(seconds);
    char text[17];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d00", c.year, c.month, c.day, c.hour,
                  c.minute, c.second);
    return std::string(text, 16) + '\0';
}

// A primary (type 1) or Joliet (type 2) volume descriptor. Identifiers that
// the image does not have are blanks; the dates of creation and
// modification are the newest time in the folder, expiry and effective
// date are unset.
void WriteDescriptor(std::string& image, const Layout& layout, const Tree& tree, bool joliet) {
    const std::size_t base = std::size_t{joliet ? JolietSector : PrimarySector} * SectorBytes;
    Bytes out(image);
    out.U8(base, joliet ? 2 : 1);
    out.Text(base + 1, "CD001");
    out.U8(base + 6, 1);
    const auto field = [&](std::size_t at, std::size_t length, std::string_view text) {
        if (joliet)
            out.WideField(base + at, length, Utf16(text));
        else
            out.Field(base + at, length, text);
    };
    field(8, 32, "");
    field(40, 32, joliet ? layout.jolietLabel : layout.isoLabel);
    out.U32Both(base + 80, layout.sectors);
    if (joliet) out.Text(base + 88, "%/E");  // UCS-2 level 3
    out.U16Both(base + 120, 1);
    out.U16Both(base + 124, 1);
    out.U16Both(base + 128, SectorBytes);
    out.U32Both(base + 132, tree.pathTableBytes);
    out.U32Little(base + 140, tree.pathTableL);
    out.U32Big(base + 148, tree.pathTableM);
    const Entry& root = layout.entries[0];
    out.Text(base + 156,
             Record(root.*tree.extent, root.*tree.bytes, root.time, true, std::string(1, '\0')));
    field(190, 128, "");
    field(318, 128, "");
    field(446, 128, "");
    field(574, 128, "");
    field(702, 37, "");
    field(739, 37, "");
    field(776, 37, "");
    const std::string date = VolumeDate(layout.volumeTime);
    out.Text(base + 813, date);
    out.Text(base + 830, date);
    const std::string unset = std::string(16, '0') + '\0';
    out.Text(base + 847, unset);
    out.Text(base + 864, unset);
    out.U8(base + 881, 1);
}

}  // namespace

std::array<std::uint8_t, 7> RecordTime(std::int64_t seconds) {
    const Civil c = CivilTime(seconds);
    return {static_cast<std::uint8_t>(c.year - 1900),
            static_cast<std::uint8_t>(c.month),
            static_cast<std::uint8_t>(c.day),
            static_cast<std::uint8_t>(c.hour),
            static_cast<std::uint8_t>(c.minute),
            static_cast<std::uint8_t>(c.second),
            0};
}

std::string Metadata(const Layout& layout) {
    std::string image(std::size_t{layout.dataSector} * SectorBytes, '\0');
    const Tree iso{layout.isoFolders,        &Entry::isoChildren,  &Entry::isoExtent,
                   &Entry::isoBytes,         &Entry::isoNumber,    IsoIdentifier,
                   layout.isoPathTableBytes, layout.isoPathTableL, layout.isoPathTableM};
    const Tree joliet{layout.jolietFolders,        &Entry::jolietChildren,  &Entry::jolietExtent,
                      &Entry::jolietBytes,         &Entry::jolietNumber,    JolietIdentifier,
                      layout.jolietPathTableBytes, layout.jolietPathTableL, layout.jolietPathTableM};
    WriteDescriptor(image, layout, iso, false);
    WriteDescriptor(image, layout, joliet, true);
    const std::size_t terminator = std::size_t{TerminatorSector} * SectorBytes;
    image[terminator] = static_cast<char>(255);
    image.replace(terminator + 1, 6, std::string("CD001\1"));
    for (const Tree* tree : {&iso, &joliet}) {
        WritePathTable(image, layout, *tree, false);
        WritePathTable(image, layout, *tree, true);
        WriteDirectories(image, layout, *tree);
    }
    return image;
}

}  // namespace disc_image

// The names an image gives its files, folders and volume. The ISO 9660 tree
// holds upper-case 8.3 names of d-characters (A-Z, 0-9, _), which every
// reader understands; the Joliet tree holds the names as the files are
// called, which Windows shows. Every rule here is deterministic: the same
// folder always gets the same names.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace disc_image {

// Joliet takes names of up to 64 UTF-16 characters and forbids the control
// characters U+0000 to U+001F and * / : ; ? \.
inline constexpr std::size_t JolietNameLength = 64;
// Plain ISO 9660 keeps folders within eight levels, the root the first.
inline constexpr int IsoFolderLevels = 8;

// Why name cannot stand in a Joliet tree as it is, as German text that
// follows the path in a message ("enthält ':', das Joliet verbietet",
// "hat 65 Zeichen; Joliet erlaubt 64"); nothing when it can.
std::optional<std::string> JolietNameFault(std::string_view name);

// The UTF-16 code units of UTF-8 text (a character beyond U+FFFF takes a
// surrogate pair, as Windows writes it).
std::u16string Utf16(std::string_view text);

// One entry of a folder, as the ISO 9660 names of the folder are worked out.
struct NameRequest {
    std::string name;  // as in the folder, UTF-8
    bool folder = false;
};

// The ISO 9660 identifiers of the entries of one folder, in the order given:
// "NAME.EXT;1" for a file (the extension is what follows the last dot,
// "NAME.;1" without one), "NAME" for a folder. Letters become upper case,
// umlauts two letters (Ä -> AE, ß -> SS), other accented Latin letters
// their base letter, every other character '_'; the name is cut to 8, the
// extension to 3 characters. Entries whose identifiers would be the same
// (a file without extension and a folder count as the same, since readers
// drop the ".;1") all get a number in place of their last characters
// ("Bericht Juni.txt" and "Bericht Mai.txt" become "BERICH_1.TXT;1" and
// "BERICH_2.TXT;1"), counted in the byte order of their names and never
// one that another entry of the folder has.
std::vector<std::string> IsoIdentifiers(const std::vector<NameRequest>& entries);

// The volume identifiers of a project name: for ISO 9660 up to 32
// characters mapped as the names are; for Joliet up to 16 UTF-16 characters
// of the name itself, a character Joliet forbids as '_'. An empty name gives
// "CDROM".
std::string IsoVolumeLabel(std::string_view name);
std::string JolietVolumeLabel(std::string_view name);

}  // namespace disc_image

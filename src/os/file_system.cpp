#include "os/file_system.h"

namespace os {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const std::optional<EntryFacts> facts = FactsOf(path);
    if (!facts || facts->kind != EntryKind::File) return std::nullopt;
    InputFile file(path);
    if (!file.IsOpen()) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const std::optional<std::size_t> read = file.Read(chunk, sizeof chunk);
        if (!read) return std::nullopt;
        if (*read == 0) return bytes;
        bytes.append(chunk, *read);
    }
}

}  // namespace os

// Reading the folder that becomes the disc: each entry with its kind, size
// and time, links followed as a reader of the folder sees them.
#include <algorithm>
#include <chrono>
#include <system_error>

#include "disc_image/layout.h"
#include "disc_image/names.h"

namespace disc_image {
namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
    try {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::exception&) {
        // A Windows name that is no valid UTF-16 (a lone surrogate).
        return "?";
    }
}

fs::path FromUtf8(const std::string& path) { return fs::path(std::u8string(path.begin(), path.end())); }

std::int64_t Seconds(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::floor<std::chrono::seconds>(system).time_since_epoch().count();
}

namespace {

std::string Unreadable(const fs::path& path, bool folder) {
    return std::string(folder ? "Der Ordner '" : "Die Datei '") + Utf8(path) +
           "' konnte nicht gelesen werden.";
}

// Whether the folder at path is one of the folders on the way to it.
bool InsideItself(const std::vector<Entry>& entries, std::size_t parent, const fs::path& path) {
    for (std::size_t at = parent;; at = entries[at].parent) {
        std::error_code error;
        if (fs::equivalent(entries[at].source, path, error)) return true;
        if (at == 0) return false;
    }
}

}  // namespace

std::optional<std::vector<Entry>> ReadFolder(const fs::path& root, std::string& error,
                                             std::string& path) {
    std::vector<Entry> entries(1);
    std::error_code failure;
    entries[0].source = root;
    entries[0].folder = true;
    if (!fs::is_directory(root, failure)) {
        error = Unreadable(root, true);
        path = Utf8(root);
        return std::nullopt;
    }
    entries[0].time = Seconds(fs::last_write_time(root, failure));
    if (failure) {
        error = Unreadable(root, true);
        path = Utf8(root);
        return std::nullopt;
    }
    // Breadth first: entries[i] is read once all before it are.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].folder) continue;
        std::vector<Entry> children;
        fs::directory_iterator it(entries[i].source, failure), end;
        for (; !failure && it != end; it.increment(failure)) {
            Entry child;
            child.source = it->path();
            child.name = Utf8(child.source.filename());
            child.parent = i;
            const fs::file_status status = it->status(failure);
            if (failure || !fs::exists(status)) {
                error = Unreadable(child.source, false);
                path = Utf8(child.source);
                return std::nullopt;
            }
            child.folder = fs::is_directory(status);
            if (!child.folder && !fs::is_regular_file(status)) {
                error = "'" + Utf8(child.source) + "' ist weder eine Datei noch ein Ordner.";
                path = Utf8(child.source);
                return std::nullopt;
            }
            child.level = entries[i].level + (child.folder ? 1 : 0);
            if (!child.folder) child.size = fs::file_size(child.source, failure);
            if (!failure) child.time = Seconds(fs::last_write_time(child.source, failure));
            if (failure) {
                error = Unreadable(child.source, child.folder);
                path = Utf8(child.source);
                return std::nullopt;
            }
            if (child.folder && it->is_symlink(failure) && InsideItself(entries, i, child.source)) {
                error =
                    "Der Ordner '" + Utf8(child.source) + "' liegt über eine Verknüpfung in sich selbst.";
                path = Utf8(child.source);
                return std::nullopt;
            }
            children.push_back(std::move(child));
        }
        if (failure) {
            error = Unreadable(entries[i].source, true);
            path = Utf8(entries[i].source);
            return std::nullopt;
        }
        std::sort(children.begin(), children.end(),
                  [](const Entry& a, const Entry& b) { return a.name < b.name; });
        for (Entry& child : children) {
            entries[i].children.push_back(entries.size());
            entries.push_back(std::move(child));
        }
    }
    return entries;
}

std::vector<std::string> FoldersBeyondIsoLevels(const std::vector<Entry>& entries) {
    std::vector<std::string> folders;
    for (const Entry& entry : entries) {
        if (!entry.folder || entry.level != IsoFolderLevels + 1) continue;
        std::string path = entry.name;
        for (std::size_t at = entry.parent; at != 0; at = entries[at].parent)
            path = entries[at].name + "/" + path;
        folders.push_back(path);
    }
    return folders;
}

}  // namespace disc_image

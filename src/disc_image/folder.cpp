// Reading the folder that becomes the disc: each entry with its kind, size
// and time, links followed as a reader of the folder sees them.
#include <algorithm>

#include "disc_image/layout.h"
#include "disc_image/names.h"
#include "os/file_system.h"

namespace disc_image {

namespace {

std::string Unreadable(const std::string& path, bool folder) {
    return std::string(folder ? "Der Ordner '" : "Die Datei '") + path +
           "' konnte nicht gelesen werden.";
}

// Whether the folder is one of the folders on the way to it.
bool InsideItself(const std::vector<Entry>& entries, std::size_t parent, const std::string& identity) {
    for (std::size_t at = parent;; at = entries[at].parent) {
        if (!identity.empty() && entries[at].identity == identity) return true;
        if (at == 0) return false;
    }
}

}  // namespace

std::optional<std::vector<Entry>> ReadFolder(const std::string& root, std::string& error,
                                             std::string& path) {
    auto fail = [&](std::string message, const std::string& where) {
        error = std::move(message);
        path = where;
        return std::nullopt;
    };
    std::vector<Entry> entries(1);
    const std::optional<os::EntryFacts> rootFacts = os::FactsOf(root);
    if (!rootFacts || rootFacts->kind != os::EntryKind::Folder) return fail(Unreadable(root, true), root);
    entries[0].source = root;
    entries[0].folder = true;
    entries[0].time = rootFacts->time;
    entries[0].identity = rootFacts->identity;
    // Breadth first: entries[i] is read once all before it are.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].folder) continue;
        const std::optional<std::vector<std::string>> names = os::ListFolder(entries[i].source);
        if (!names) return fail(Unreadable(entries[i].source, true), entries[i].source);
        std::vector<Entry> children;
        for (const std::string& name : *names) {
            Entry child;
            child.source = os::ChildPath(entries[i].source, name);
            child.name = name;
            child.parent = i;
            const std::optional<os::EntryFacts> facts = os::FactsOf(child.source);
            if (!facts || facts->kind == os::EntryKind::Missing)
                return fail(Unreadable(child.source, false), child.source);
            if (facts->kind == os::EntryKind::Other)
                return fail("'" + child.source + "' ist weder eine Datei noch ein Ordner.",
                            child.source);
            child.folder = facts->kind == os::EntryKind::Folder;
            child.level = entries[i].level + (child.folder ? 1 : 0);
            child.size = facts->size;
            child.time = facts->time;
            child.identity = facts->identity;
            if (child.folder && facts->link && InsideItself(entries, i, facts->identity))
                return fail("Der Ordner '" + child.source + "' liegt über eine Verknüpfung in sich selbst.",
                            child.source);
            children.push_back(std::move(child));
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

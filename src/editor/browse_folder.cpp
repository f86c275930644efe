#include "editor/browse_folder.h"

#include "common/paths.h"

namespace editor {

namespace {

// Only file-system folders can be chosen, and the dialog has a status line.
constexpr std::uint32_t BrowseFlags = forms::bif::ReturnOnlyFileSystemFolders |
                                      forms::bif::StatusText;

}  // namespace

std::string Mod_BrowseFolder::Browse(
    int root, const std::string& title,
    std::function<void(forms::FolderDialog&, const std::string&)> callback) {
    forms::FolderDialogRequest request;
    request.rootFolder = root > 0 ? root : 0;
    request.title = title;
    request.flags = BrowseFlags;
    request.selectionChanged = std::move(callback);
    return forms::BrowseForFolder(app_.GetBackend(), request).value_or("");
}

std::string Mod_BrowseFolder::BrowseFolder(int root, const std::string& prompt) {
    return Browse(root, prompt, FolderBrowseCallback);
}

std::string Mod_BrowseFolder::BrowseSubstFolder(int root) {
    return Browse(root, "Bitte wählen Sie einen Ordner, indem sich 'subst.exe' befindet!",
                  [this](forms::FolderDialog& dialog, const std::string& path) {
                      SubstBrowseCallback(dialog, path);
                  });
}

void Mod_BrowseFolder::FolderBrowseCallback(forms::FolderDialog& dialog, const std::string& path) {
    if (path.size() > 3) return;
    dialog.EnableOk(true);
    dialog.SetStatusText("");
}

void Mod_BrowseFolder::SubstBrowseCallback(forms::FolderDialog& dialog, const std::string& path) {
    if (path.empty() || path == "\\") return;
    if (FileExists(common::JoinPath(path, "subst.exe"))) {
        dialog.EnableOk(true);
        dialog.SetStatusText("Gefunden!");
    } else {
        dialog.EnableOk(false);
        dialog.SetStatusText("'Subst.exe' fehlt!");
    }
}

}  // namespace editor

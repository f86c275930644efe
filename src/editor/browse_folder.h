// The folder pickers of the editor, on the shell's folder dialog: one for
// any folder (the test page, the drive wizard) and one that can only be
// confirmed on a folder that holds subst.exe (the options dialog).
#pragma once

#include <string>

#include "forms/application.h"
#include "forms/dialogs.h"
#include "os/services.h"

namespace editor {

class Mod_BrowseFolder {
public:
    Mod_BrowseFolder(forms::Application& app, os::Services& services)
        : app_(app), services_(services) {}

    // The chosen folder's path; "" when the user cancelled or chose an item
    // that is no file-system folder. root: the number of a special folder at
    // the root of the tree, 0 for the desktop.
    std::string BrowseFolder(int root, const std::string& prompt);
    std::string BrowseSubstFolder(int root);

    // Notification routines of the dialog while the selection changes;
    // path is the selected item's file-system path ("" for none).
    // A drive root or an item without a path can always be confirmed.
    static void FolderBrowseCallback(forms::FolderDialog& dialog, const std::string& path);
    // Only a folder that holds subst.exe can be confirmed.
    void SubstBrowseCallback(forms::FolderDialog& dialog, const std::string& path);

    bool FileExists(const std::string& path) { return services_.FileExists(path); }

private:
    std::string Browse(int root, const std::string& title,
                       std::function<void(forms::FolderDialog&, const std::string&)> callback);

    forms::Application& app_;
    os::Services& services_;
};

}  // namespace editor

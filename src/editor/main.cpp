// admin, the menu editor: designs a menu project and saves it as kelvo.ini,
// starts the menu program for a test, and maps the future CD's folder to a
// drive letter.
#include <string>

#include "common/about.h"
#include "editor/browse_folder.h"
#include "editor/frm_main.h"
#include "editor/frm_optionen.h"
#include "editor/frm_virtuell.h"
#include "forms/application.h"
#include "forms/platform.h"
#include "os/services.h"

int main() {
    const std::unique_ptr<forms::Backend> backend = forms::MakePlatformBackend();
    forms::Application app(*backend);
    os::Services services;
    // The folder of subst.exe, shared by the main window, the options
    // dialog and the drive wizard.
    std::string substPath;
    editor::Mod_BrowseFolder browse(app, services);
    common::About about(app, services, common::AboutVariant::Editor);
    editor::frmOptionen options(app, browse, substPath);
    editor::frmVirtuell wizard(app, services, browse, options, substPath);
    editor::frmMain mainWindow(app, services, about, options, wizard, browse, substPath);

    mainWindow.Show();
    app.Run();
    return 0;
}

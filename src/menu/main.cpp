// kelvo, the CD start menu: shows the menu of the project file "kelvo.ini"
// that lies beside the program.
#include "common/about.h"
#include "forms/application.h"
#include "forms/platform.h"
#include "menu/frm_main.h"
#include "menu/frm_splash.h"
#include "menu/frm_wait.h"
#include "os/services.h"

int main() {
    const std::unique_ptr<forms::Backend> backend = forms::MakePlatformBackend();
    forms::Application app(*backend);
    os::Services services;
    common::About about(app, services, common::AboutVariant::Menu);
    menu::frmWait wait(app);
    menu::frmSplash splash(app);
    menu::frmMain menuWindow(app, services, about, wait, splash);

    // Loading the menu window runs the start: wait window, project file,
    // splash window.
    menuWindow.Show();
    app.Run();
    return 0;
}

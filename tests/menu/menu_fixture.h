// The menu program on the headless backend: scripted OS services (the
// program in D:\menu, existing files, the project file through a file of
// a temporary folder, shell requests recorded) and its three windows.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/about.h"
#include "forms/application.h"
#include "forms/headless/headless_backend.h"
#include "menu/frm_main.h"
#include "menu/frm_splash.h"
#include "menu/frm_wait.h"
#include "os/services.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"

namespace menu::testing {

using test_support::ScriptedServices;
using test_support::ShellOpenCall;

class MenuTest : public ::testing::Test {
protected:
    MenuTest();
    ~MenuTest() override;

    // Writes the project file that the program finds beside itself.
    void WriteProject(const std::string& text);
    // A real file in the temporary folder, known to the scripted services.
    std::string WriteFile(const std::string& name, const std::string& bytes);
    std::string WriteBmp(const std::string& name, int widthPixels, int heightPixels);
    std::string WriteIco(const std::string& name, int sizePixels);
    // Starts the program: shows the menu window, which runs its load.
    void Start() { main.Show(); }

    int VisibleEntries() const;
    const std::vector<forms::headless::MessageBoxCall>& Messages() const {
        return backend.messageBoxes;
    }

    test_support::TempFolder folder;
    std::filesystem::path dir = folder.Path();
    forms::headless::Backend backend;
    forms::Application app{backend};
    ScriptedServices services;
    common::About about{app, services, common::AboutVariant::Menu};
    frmWait wait{app};
    frmSplash splash{app};
    frmMain main{app, services, about, wait, splash};
};

}  // namespace menu::testing

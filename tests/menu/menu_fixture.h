// The menu program on the headless backend: scripted OS services (program
// folder, existing files, the project file through a temporary file, shell
// requests recorded) and the three windows of the program.
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

namespace menu::testing {

struct ShellOpenCall {
    std::uintptr_t owner = 0;
    std::string file, parameters, verb, folder;
    os::WindowState state = os::WindowState::Minimized;
};

class ScriptedServices : public os::Services {
public:
    std::string programFolder = "D:\\menu";
    std::set<std::string> existing;
    std::vector<std::string> existenceQueries;
    // Windows path of a profile file -> the real file that stands for it.
    std::map<std::string, std::string> profileFiles;
    std::vector<ShellOpenCall> shellOpens;
    std::map<std::string, std::string> settings;
    // Runs before every profile read (to look at the windows meanwhile).
    std::function<void()> onProfileRead;

    std::string ProgramFolder() override { return programFolder; }
    bool FileExists(const std::string& path) override;
    std::string ReadProfileString(const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& defaultValue,
                                  std::size_t room) override;
    bool ShellOpen(std::uintptr_t owner, const std::string& file, const std::string& parameters,
                   const std::string& verb, const std::string& folder,
                   os::WindowState state) override;
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
};

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

    std::filesystem::path dir;
    forms::headless::Backend backend;
    forms::Application app{backend};
    ScriptedServices services;
    common::About about{app, services, common::AboutVariant::Menu};
    frmWait wait{app};
    frmSplash splash{app};
    frmMain main{app, services, about, wait, splash};
};

}  // namespace menu::testing

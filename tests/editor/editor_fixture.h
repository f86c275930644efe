// The editor on the headless backend: scripted OS services (program folder,
// settings, started programs, drives, help) over the real file system, and
// the editor's windows as main() wires them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/about.h"
#include "editor/browse_folder.h"
#include "editor/frm_main.h"
#include "editor/frm_optionen.h"
#include "editor/frm_virtuell.h"
#include "forms/application.h"
#include "forms/driver.h"
#include "forms/headless/headless_backend.h"
#include "os/services.h"

namespace editor::testing {

struct StartCall {
    std::string program;
    std::vector<std::string> arguments;
    os::WindowState state = os::WindowState::Normal;
};

struct DriveCall {
    bool map = true;
    std::string substProgram;
    char letter = 0;
    std::string folder;
};

class EditorServices : public os::Services {
public:
    std::string programFolder = "C:\\Programme\\Pavonel";
    // Paths that exist besides the real files (Windows paths, drives).
    std::set<std::string> existing;
    std::map<std::string, std::string> settings;
    std::vector<StartCall> started;
    bool startSucceeds = true;
    std::vector<DriveCall> drives;
    // Help requests: file, command, data.
    std::vector<std::tuple<std::string, unsigned, unsigned long>> help;
    bool helpSucceeds = true;

    std::string ProgramFolder() override { return programFolder; }
    bool FileExists(const std::string& path) override {
        return existing.count(path) > 0 || os::FileExists(path);
    }
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                      os::WindowState state) override {
        started.push_back({program, arguments, state});
        return startSucceeds;
    }
    bool MapDrive(const std::string& subst, char letter, const std::string& folder) override {
        drives.push_back({true, subst, letter, folder});
        return true;
    }
    bool UnmapDrive(const std::string& subst, char letter) override {
        drives.push_back({false, subst, letter, ""});
        return true;
    }
    bool ShowHelp(std::uintptr_t, const std::string& file, unsigned command,
                  unsigned long data) override {
        help.emplace_back(file, command, data);
        return helpSucceeds;
    }
    bool ShellOpen(std::uintptr_t, const std::string&, const std::string&, const std::string&,
                   const std::string&, os::WindowState) override {
        return true;
    }
};

class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;

    void Start() { main.Show(); }
    // A file of the temporary folder: its path, its bytes.
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    std::string WriteFile(const std::string& name, const std::string& bytes);
    std::string ReadFile(const std::string& name) const;

    // The answers of the next dialogs and message boxes.
    void AnswerFileDialog(std::optional<std::string> path) {
        backend.fileDialogAnswers.push_back(std::move(path));
    }
    void AnswerMessage(int answer) { backend.msgBoxAnswers.push_back(answer); }
    // Types text at the end of the field, as the user does after clicking
    // behind its text.
    void TypeAtEnd(forms::TextBox& box, const std::string& text) {
        box.SetFocus();
        box.SetSelection(static_cast<int>(box.Text().size()), 0);
        for (const char c : text) driver->TypeChar(box, c);
    }
    // Opens the project file name of the temporary folder through "&Öffnen".
    void Open(const std::string& name);
    // The entry node captions "Item 1" ... as the tree shows them now.
    std::vector<std::string> EntryCaptions() const;
    const std::vector<forms::headless::MessageBoxCall>& Messages() const {
        return backend.messageBoxes;
    }

    std::filesystem::path dir;
    std::unique_ptr<forms::testing::Driver> driver = forms::testing::MakeDriver();
    forms::headless::Backend& backend =
        static_cast<forms::headless::Backend&>(driver->GetBackend());
    forms::Application app{backend};
    EditorServices services;
    std::string substPath;
    Mod_BrowseFolder browse{app, services};
    common::About about{app, services, common::AboutVariant::Editor};
    frmOptionen options{app, browse, substPath};
    frmVirtuell wizard{app, services, browse, options, substPath};
    frmMain main{app, services, about, options, wizard, browse, substPath};
};

}  // namespace editor::testing

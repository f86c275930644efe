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
#include "support/scripted_services.h"
#include "support/temp_folder.h"

namespace editor::testing {

using test_support::DriveCall;
using test_support::StartCall;
// The editor's services: real files count besides the scripted paths.
using EditorServices = test_support::ScriptedServices;

class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;

    void Start() { main.Show(); }
    // A file of the temporary folder: its path, its bytes.
    std::string PathOf(const std::string& name) const { return folder / name; }
    std::string WriteFile(const std::string& name, const std::string& bytes) {
        return folder.WriteFile(name, bytes);
    }
    std::string ReadFile(const std::string& name) const { return folder.ReadFile(name); }

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

    test_support::TempFolder folder;
    std::filesystem::path dir = folder.Path();
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

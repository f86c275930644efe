// The running program as the forms see it: the backend, the loaded forms,
// the message loop, message boxes, pictures and the screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "forms/backend.h"

namespace forms {

class Form;

class Application {
public:
    explicit Application(Backend& backend) : backend_(backend) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& GetBackend() const { return backend_; }

    // Runs the message loop until no form is loaded.
    void Run() { backend_.Run(); }
    // Ends the program at once; no unload handler runs.
    void End() { backend_.End(); }
    // Handles the window messages that wait (see Backend::DoEvents).
    void DoEvents() { backend_.DoEvents(); }

    // Shows a modal message box; the answer is one of mb::Ok, mb::Yes, ...
    int MsgBox(const std::string& text, int style, const std::string& title) {
        return backend_.MsgBox(text, style, title);
    }
    std::optional<Picture> LoadPicture(const std::string& path) {
        return backend_.LoadPicture(path);
    }
    std::optional<Picture> LoadPictureFromMemory(const unsigned char* data, std::size_t size) {
        return backend_.LoadPictureFromMemory(data, size);
    }
    std::optional<Picture> LoadBuiltInPicture(const std::vector<MemoryFile>& drawings) {
        return backend_.LoadBuiltInPicture(drawings);
    }
    std::optional<Picture> ProgramIcon() { return backend_.ProgramIcon(); }

    int TwipsPerPixelX() const { return backend_.TwipsPerPixelX(); }
    int TwipsPerPixelY() const { return backend_.TwipsPerPixelY(); }
    Twips ScreenWidth() const { return backend_.ScreenWidth(); }
    Twips ScreenHeight() const { return backend_.ScreenHeight(); }

    // Forms that are loaded now, in the order they were loaded.
    const std::vector<Form*>& LoadedForms() const { return loaded_; }
    void FormLoaded(Form* form);
    void FormUnloaded(Form* form);

private:
    Backend& backend_;
    std::vector<Form*> loaded_;
};

}  // namespace forms

// Starts a Windows program in a folder of its own and looks at its windows
// from outside, as a user or a screen reader would: captions, child windows,
// sizes, message boxes. Every wait polls with a deadline.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace probe {

// A fresh folder under the temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return path_; }
    // Writes bytes (ANSI text for project files) into a file of the folder.
    void WriteFile(const std::wstring& name, const std::string& bytes) const;
    void CopyIn(const std::wstring& source, const std::wstring& name) const;

private:
    std::wstring path_;
};

// The folder that holds the running test program.
std::wstring OwnFolder();

struct ChildWindow {
    HWND handle;
    std::wstring className;
    std::wstring text;
    RECT rect;  // in the parent's client coordinates, pixels
    bool visible;
};

class Program {
public:
    // Starts exe (full path) with the given folder as its working folder.
    Program(const std::wstring& exe, const std::wstring& folder);
    ~Program();  // ends the program if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD ProcessId() const { return info_.dwProcessId; }
    // The first visible top-level window of the program whose class and
    // caption satisfy match; nullptr after timeoutMs.
    HWND WaitForWindow(const std::function<bool(const std::wstring& className,
                                                const std::wstring& caption)>& match,
                       int timeoutMs = 15000) const;
    // A visible message box (dialog class #32770) of the program.
    HWND WaitForMessageBox(int timeoutMs = 15000) const;
    bool WaitForExit(int timeoutMs = 15000) const;

private:
    PROCESS_INFORMATION info_{};
};

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
std::vector<ChildWindow> Children(HWND parent);
SIZE ClientSize(HWND window);
SIZE OuterSize(HWND window);
// The text of a message box (its static text control).
std::wstring MessageBoxText(HWND box);
// Presses the message box's first button.
void DismissMessageBox(HWND box);

}  // namespace probe

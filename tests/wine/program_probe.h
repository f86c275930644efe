// Starts a Windows program in a folder of its own and looks at its windows
// from outside, as a user or a screen reader would: captions, child windows,
// sizes, menus, message boxes and common dialogs; and acts on them with
// window messages or real keyboard and mouse input. Every wait polls with a
// deadline.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "support/wait.h"

namespace probe {

// The tests' temporary folder with Windows paths: a fresh folder under the
// temporary folder, removed with its content.
class TempFolder {
public:
    const std::wstring& Path() const { return path_; }
    // Writes bytes (ANSI text for project files) into a file of the folder.
    void WriteFile(const std::wstring& name, const std::string& bytes) const;
    void CopyIn(const std::wstring& source, const std::wstring& name) const;
    // The names of the files in the folder, sorted.
    std::vector<std::wstring> FileNames() const;

private:
    test_support::TempFolder folder_;
    std::wstring path_ = folder_.Path().wstring();
};

// The folder that holds the running test program.
std::wstring OwnFolder();

// The product version a program's version resource names ("2.1.1"); empty
// when it has none.
std::wstring FileVersion(const std::wstring& program);

// The whole content of a file; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Polls condition until it holds (true) or timeoutMs passes.
using test_support::WaitUntil;

struct ChildWindow {
    HWND handle;
    std::wstring className;
    std::wstring text;
    RECT rect;  // in the client coordinates of the window asked about, pixels
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
    // The first visible top-level window of the program that satisfies match.
    HWND WaitForWindow(const std::function<bool(HWND window)>& match,
                       int timeoutMs = 15000) const;
    // A visible message box (dialog class #32770) of the program.
    HWND WaitForMessageBox(int timeoutMs = 15000) const;
    // A visible message box of the program with this caption: a dialog with
    // a message text, unlike the common dialogs (which may show a message box
    // under their own caption).
    HWND WaitForMessageBox(const std::wstring& caption, int timeoutMs = 15000) const;
    // A visible dialog (class #32770) of the program with this caption.
    HWND WaitForDialog(const std::wstring& caption, int timeoutMs = 15000) const;
    bool WaitForExit(int timeoutMs = 15000) const;

private:
    PROCESS_INFORMATION info_{};
};

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// The direct child windows.
std::vector<ChildWindow> Children(HWND parent);
// Every window inside root, at any depth, parents before their children.
std::vector<ChildWindow> Descendants(HWND root);
// The first of windows with this class (case-blind) and text; nullptr if none.
const ChildWindow* Find(const std::vector<ChildWindow>& windows, const std::wstring& className,
                        const std::wstring& text);
SIZE ClientSize(HWND window);
SIZE OuterSize(HWND window);
// The text of a message box (its static text control).
std::wstring MessageBoxText(HWND box);
// Presses the message box's first button.
void DismissMessageBox(HWND box);
// Presses the dialog's button with this id (IDOK, IDCANCEL, IDYES, IDNO...);
// false when it has none.
bool PressButton(HWND dialog, int id);

// ---- Menus ------------------------------------------------------------------------------

struct MenuEntry {
    std::wstring text;  // "&Neu\tStrg+N"; "-" for a separator
    UINT id;
    UINT state;  // as GetMenuState gives it
    bool Checked() const { return (state & MF_CHECKED) != 0; }
};

struct MenuTitle {
    std::wstring text;
    std::vector<MenuEntry> entries;
};

// The menu bar of a window of another process, read through the same
// functions the program itself would use (GetMenuItemCount, GetMenuStringW,
// GetMenuItemID, GetMenuState). Windows answers them for any process; Wine
// only for the menu's own, so there the reading is done inside the program
// by menu_reader.dll (see menu_reader.h). Empty when it cannot be read.
std::vector<MenuTitle> ReadMenuBar(HWND window, int timeoutMs = 5000);
// The picture a control of another process shows: a toolbar's or a tree's
// image size, or a picture button's face (size and the colour in its
// middle); read inside the program like the menu bar.
struct ShownPicture {
    SIZE size;
    COLORREF middle;
};
std::optional<ShownPicture> ReadPicture(HWND control, int timeoutMs = 5000);

// The entry with this text under this title; nullptr if there is none.
const MenuEntry* FindMenuEntry(const std::vector<MenuTitle>& bar, const std::wstring& title,
                               const std::wstring& entry);
// Chooses the entry as the menu would: WM_COMMAND with its id, posted.
void ChooseMenuEntry(HWND window, const MenuEntry& entry);

// ---- Keyboard and mouse -------------------------------------------------------------------

// Makes window the foreground window, the one keyboard input goes to; true
// once it is.
bool BringToFront(HWND window, int timeoutMs = 5000);
// Presses the keys down in order and lets them go in reverse order, as a
// user does for Ctrl+I (real input through SendInput).
void PressKeys(std::initializer_list<WORD> virtualKeys);
// Brings window to the front and presses the keys until condition holds
// (up to three times, each followed by up to timeoutMs of waiting): Wine on
// a bare X server now and then drops synthetic input that arrives while the
// window is still becoming the focus one. For keys whose repetition does
// no harm (a shortcut that saves or shows a page).
bool PressKeysUntil(HWND window, std::initializer_list<WORD> virtualKeys,
                    const std::function<bool()>& condition, int timeoutMs = 3000);
// Moves the mouse to the screen point (real input through SendInput).
void MoveMouse(POINT screen);
// Clicks the left mouse button where the mouse is.
void Click();
// The middle of a rectangle of a window's client area, on the screen.
POINT ScreenPoint(HWND window, const RECT& clientRect);
// The colour the screen shows at a point (as a user sees it, whichever
// window draws there); CLR_INVALID when the screen cannot be read.
COLORREF ScreenColor(POINT screen);

// ---- Controls of another process -----------------------------------------------------------

// The rectangle of a toolbar's button (client coordinates of the toolbar),
// asked through memory in the toolbar's process.
std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index);
// The rectangle of a tree item's text (client coordinates of the tree).
std::optional<RECT> TreeItemRect(HWND tree, HTREEITEM item);
// The texts of a tree's top-level items, first to last (read like the
// rectangle, through memory in the tree's process).
std::vector<std::wstring> TreeRootTexts(HWND tree);

// ---- Common dialogs ------------------------------------------------------------------------

// Types path into the file name field of an open or save dialog and presses
// its OK button. False when the dialog has no such field.
bool SubmitFileDialog(HWND dialog, const std::wstring& path);

}  // namespace probe

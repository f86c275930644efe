// The top-level window of a form: window class, window styles of the border
// styles, the persistent drawing surface, the menu bar, and the routing of
// the messages that its controls send to it.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/win32/surface.h"

namespace forms::win32 {

class Win32Backend;

// What a form window needs of its menu bar. The bar itself
// (forms/win32/menu_bar.h) comes with the menus' peers, so a program
// without menus links none of it.
class FormMenus {
public:
    virtual ~FormMenus() = default;
    // WM_COMMAND from the menu or a shortcut: the entry's Click. False when
    // id is none of the menus'.
    virtual bool Command(UINT id) = 0;
    // The table of the shortcuts, or null for none.
    virtual HACCEL Accelerators() = 0;
};

struct WindowStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// The window styles of a form's border style and title bar settings.
WindowStyles FormStyles(const Form& form);

// Private messages of the form windows.
constexpr UINT kRunModalHookMessage = WM_APP + 1;

class FormWindow : public Peer {
public:
    FormWindow(Form& form, Win32Backend& backend);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override;

    static void RegisterWindowClass(HINSTANCE instance);
    // The form window of hwnd, or null when hwnd is no form window.
    static FormWindow* FromHandle(HWND hwnd);

    void Update(Property property) override;
    void SetFocus() override;
    void PaintPicture(const Picture& picture, Twips x, Twips y) override;
    void Cls() override;
    void Refresh() override;
    std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

    HWND Handle() const { return hwnd_; }
    Form& GetForm() const { return form_; }
    // The DPI of the monitor the window is on, at which its controls are laid
    // out from their twips.
    const Dpi& GetDpi() const { return dpi_; }
    Surface& GetSurface() { return surface_; }
    // A child window id not yet used in this form.
    int NextControlId() { return nextId_++; }

    // A control of this form took the focus: it gets the focus back when the
    // form is activated again, and a button that has the focus is the one
    // that Enter presses.
    void ControlFocused(HWND child);
    void AddTimer(UINT_PTR id, Timer* timer) { timers_[id] = timer; }
    void RemoveTimer(UINT_PTR id) { timers_.erase(id); }
    // The form's menu bar, made when the first menu comes.
    // The form's menu bar; null until its first menu was made.
    FormMenus* Menus() const { return menuBar_.get(); }
    void SetMenus(std::unique_ptr<FormMenus> menus) { menuBar_ = std::move(menus); }
    // A key typed in this form that is a menu shortcut: chooses the menu
    // entry and returns true. The form may be gone then.
    bool TranslateShortcut(MSG& message);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyBounds();
    void ApplyIcon();
    void ApplyTopMost();
    // The button Enter presses now: a focused button, else the default button.
    HWND EffectiveDefault() const;
    void UpdateDefaultLook();
    void RestoreFocus();
    void InvalidateAll();
    // The window came to a monitor of another DPI (WM_DPICHANGED): it takes
    // the rectangle Windows suggests, and everything in it is laid out,
    // lettered and drawn anew at the new DPI.
    void ChangeDpi(const Dpi& dpi, const RECT& suggested);

    Form& form_;
    Win32Backend& backend_;
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
    Surface surface_;
    Dpi dpi_;
    // What was painted onto the surface since it was last cleared, in
    // twips, to paint it again at another DPI.
    struct Painted {
        Picture picture;
        Twips x, y;
    };
    std::vector<Painted> painted_;
    HWND lastFocus_ = nullptr;
    int nextId_ = 100;
    std::map<UINT_PTR, Timer*> timers_;
    std::unique_ptr<FormMenus> menuBar_;
    // An access key chose a container: the focus went into it, and the
    // step on to the next control that follows is skipped.
    bool skipNextStep_ = false;
};

}  // namespace forms::win32

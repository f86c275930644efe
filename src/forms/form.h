// A top-level window of the model. A form is realised (its native window
// created) when it is loaded; Load runs on the first Load(), Show() or
// ShowModal(). The windows of its controls are made when it is first shown,
// in the state Form_Load and the program left them in, so that a form that
// is filled while it loads (or is loaded hidden) builds each window once.
// Timers and menus come with the loading. Hide keeps a form loaded; Unload
// destroys its windows and lets it be loaded afresh later.
#pragma once

#include <vector>

#include "forms/control.h"

namespace forms {

class CommandButton;

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog };

// Why a form is being unloaded, with the values Windows programs know.
enum class UnloadMode { FormControlMenu = 0, Code = 1, AppWindows = 2 };

class Form : public Control {
public:
    explicit Form(Application& app);
    ~Form() override;

    // ---- Design ------------------------------------------------------------
    forms::BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(forms::BorderStyle style) { borderStyle_ = style; }
    // With false: no caption bar at all (dialog frame without title bar).
    bool TitleBar() const { return titleBar_; }
    void SetTitleBar(bool titleBar) { titleBar_ = titleBar; }
    bool ControlBox() const { return controlBox_; }
    void SetControlBox(bool v) { controlBox_ = v; }
    bool MinButton() const { return minButton_; }
    void SetMinButton(bool v) { minButton_ = v; }
    bool MaxButton() const { return maxButton_; }
    void SetMaxButton(bool v) { maxButton_ = v; }
    bool ShowInTaskbar() const { return showInTaskbar_; }
    void SetShowInTaskbar(bool v) { showInTaskbar_ = v; }
    // Centred on the screen when it is loaded.
    bool CenterOnLoad() const { return centerOnLoad_; }
    void SetCenterOnLoad(bool v) { centerOnLoad_ = v; }

    // Client area size; Width()/Height() are the outer size with the frame.
    Twips ScaleWidth() const { return width_ - FrameSize().width; }
    Twips ScaleHeight() const { return height_ - FrameSize().height; }
    void SetClientSize(Twips width, Twips height);

    const forms::Picture& Icon() const { return icon_; }
    void SetIcon(const forms::Picture& icon);

    // Keeps the window above all windows that are not themselves on top
    // (true) or releases it into the normal order (false). Like SetWindowPos
    // with SWP_SHOWWINDOW | SWP_NOACTIVATE, it also shows a loaded window
    // without activating it.
    bool TopMost() const { return topMost_; }
    void SetTopMost(bool topMost);

    CommandButton* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(CommandButton* button);

    // ---- Lifetime ------------------------------------------------------------
    bool Loaded() const { return loaded_; }
    void Load();
    void Show();
    // Shows the form modally; returns when it is hidden or unloaded.
    void ShowModal();
    void Hide();
    // Unloads the form: QueryUnload (which may cancel), Unload, then the
    // native window goes. Returns false when a handler cancelled.
    bool Unload(UnloadMode mode = UnloadMode::Code);
    // true shows, false hides the form.
    void SetVisible(bool visible) override;
    bool Showing() const { return loaded_ && visible_; }

    // Paints the window now.
    void Refresh();
    // Makes the windows of the controls that have none yet; Show does it.
    void RealiseControls();

    // ---- Persistent drawing surface -----------------------------------------
    void PaintPicture(const forms::Picture& picture, Twips x, Twips y);
    void Cls();

    // ---- Event handlers --------------------------------------------------------
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& cancel, UnloadMode mode) { (void)cancel, (void)mode; }
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

    // The controls of this form in creation (tab) order.
    const std::vector<Control*>& Controls() const { return controls_; }
    // The controls from the front to the back; creation order until
    // ZOrder moves one (the control created first is in front).
    const std::vector<Control*>& StackingOrder() const { return stacking_; }
    // Every control in the order Tab visits them: the form's own controls
    // from the front to the back, each container followed by the controls
    // inside it in the same order (as Windows walks the child windows).
    std::vector<Control*> TabOrder() const;
    // Whether the form has a menu bar (any menu of its own).
    bool HasMenuBar() const;

    // Called by backends when the user closes the window (close box, system
    // menu, Alt+F4).
    void RaiseCloseRequest() { Unload(UnloadMode::FormControlMenu); }
    // Called by backends when Windows asks whether the session may end
    // (log-off, shut-down): QueryUnload with UnloadMode::AppWindows. False
    // when a handler cancelled, which keeps the session from ending.
    bool RaiseSessionEndQuery();
    // The session ends: the form unloads without being asked again (its
    // Unload runs, and cannot cancel any more).
    void RaiseSessionEnd();

    // ---- Focus --------------------------------------------------------------------
    // The control of this form that has the keyboard focus, or null.
    Control* ActiveControl() const;
    // The first control inside container (at any depth) that Tab stops at
    // and the user can reach, in tab order; null when there is none.
    Control* FirstTabStopIn(const Control& container) const;
    // Whether the focus is being moved by the program (SetFocus, a page
    // switch, the window getting the focus back) rather than by the user
    // (Tab, a click, an access key). A GotFocus handler that acts on the
    // user's choice looks here first.
    bool FocusMovedByProgram() const { return programFocus_ > 0; }
    // While one lives, focus changes in its form count as the program's
    // own. Control::SetFocus makes one; so do backends where the platform
    // moves the focus on the program's behalf.
    class ProgramFocus {
    public:
        explicit ProgramFocus(Form& form) : form_(form) { ++form_.programFocus_; }
        ~ProgramFocus() { --form_.programFocus_; }
        ProgramFocus(const ProgramFocus&) = delete;
        ProgramFocus& operator=(const ProgramFocus&) = delete;

    private:
        Form& form_;
    };

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    friend class Control;
    void AddControl(Control* control);
    void RemoveControl(Control* control);
    void Restack(Control* control, bool toFront);
    // Outer minus client size (named apart from the Frame control, which
    // forms derived from Form hold).
    TextSize FrameSize() const;
    // Unload's last part: the native windows go.
    void FinishUnload();

    forms::BorderStyle borderStyle_ = forms::BorderStyle::Sizable;
    bool titleBar_ = true;
    bool controlBox_ = true;
    bool minButton_ = true;
    bool maxButton_ = true;
    bool showInTaskbar_ = true;
    bool centerOnLoad_ = false;
    bool topMost_ = false;
    bool loaded_ = false;
    bool loading_ = false;
    bool unloading_ = false;
    bool controlsRealised_ = false;
    // The control that asked for the focus before its window was made.
    Control* pendingFocus_ = nullptr;
    int programFocus_ = 0;
    forms::Picture icon_;
    CommandButton* defaultButton_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<Control*> stacking_;
};

}  // namespace forms

// Base class of every control and form of the model: the common properties
// and events. Setting a property updates the model and, when the control is
// realised, its native peer.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "forms/backend.h"
#include "forms/types.h"

namespace forms {

class Form;
class Application;

enum class ControlKind {
    Form,
    Label,
    CommandButton,
    TextBox,
    PictureBox,
    Timer,
    Frame,
    OptionButton,
    ScrollBar,
    ComboBox,
    Menu,
    Toolbar,
    StatusBar,
    TreeView,
    TabStrip,
    ProgressBar,
};

// Mouse buttons and shift state as the events report them.
struct MouseState {
    int button = 0;  // 1 left, 2 right, 4 middle
    int shift = 0;   // 1 shift, 2 ctrl, 4 alt
    Twips x = 0;     // relative to the control's top-left corner
    Twips y = 0;
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    ControlKind Kind() const { return kind_; }
    // The form that holds this control (a form is its own parent).
    Form& Parent() const { return *parent_; }
    Application& App() const;

    // The picture box or frame whose inside holds the control, or null when
    // it lies on the form itself. Left and Top count from the container's
    // inside. Set at design time, before the form is loaded.
    Control* Container() const { return container_; }
    void SetContainer(Control& container);

    // Brings the control in front of the other controls of its container
    // (position 0) or behind them (1). Where controls overlap, the one in
    // front shows; it is also first in the tab order of its container.
    void ZOrder(int position = 0);
    // 0 for the control in front of all others of its container, 1 for the
    // one behind it, and so on.
    int StackPosition() const;

    // Visible itself and inside visible containers.
    bool Shown() const;
    // Shown, enabled itself and inside enabled containers: the user can
    // reach it.
    bool Reachable() const;

    // Name for diagnostics and tests, such as "cmdItem(3)".
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    Twips Left() const { return left_; }
    Twips Top() const { return top_; }
    Twips Width() const { return width_; }
    Twips Height() const { return height_; }
    virtual void Move(Twips left, Twips top, Twips width, Twips height);
    void SetLeft(Twips v) { Move(v, top_, width_, height_); }
    void SetTop(Twips v) { Move(left_, v, width_, height_); }
    virtual void SetWidth(Twips v) { Move(left_, top_, v, height_); }
    virtual void SetHeight(Twips v) { Move(left_, top_, width_, v); }

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color color);

    const forms::Font& Font() const { return font_; }
    virtual void SetFont(const forms::Font& font);
    void SetFontName(const std::string& name);
    void SetFontSize(double size);
    void SetFontBold(bool bold);

    forms::MousePointer MousePointer() const { return mousePointer_; }
    void SetMousePointer(forms::MousePointer pointer);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Whether Tab stops at the control now (when the user can reach it):
    // TabStop, and for option buttons only at the one standing for its group.
    virtual bool StopsTab() const { return tabStop_; }

    // Free text for the program's own use.
    std::string Tag;

    // Moves the input focus to the control (fires GotFocus through the backend).
    void SetFocus();

    // The native peer; null until the form is loaded.
    Peer* GetPeer() const { return peer_.get(); }
    std::uintptr_t NativeHandle() const { return peer_ ? peer_->NativeHandle() : 0; }

    // ---- Events (set by the program) --------------------------------------
    std::function<void()> Click;
    // A double click with the mouse (on a tree: on one of its nodes).
    std::function<void()> DblClick;
    std::function<void(const MouseState&)> MouseMove;
    std::function<void()> GotFocus;
    // The handler may change the character; 0 discards it.
    std::function<void(int& keyAscii)> KeyPress;

    // ---- Called by backends (and by tests driving the headless backend) ----
    virtual void RaiseClick();
    void RaiseDblClick();
    void RaiseMouseMove(const MouseState& state);
    void RaiseGotFocus();
    // Returns the character after the handler (0 when discarded).
    int RaiseKeyPress(int keyAscii);

    // Creates and drops the native peer; used by Form::Load and Form::Unload.
    void Realise();
    void Unrealise();

protected:
    Control(Form& parent, ControlKind kind);
    // Constructor for forms, which are their own parent.
    Control(Application& app, ControlKind kind);
    void Notify(Property property);

    // Size a control to its content (labels and picture boxes with AutoSize).
    virtual void SizeToContent() {}
    // The native peer of this kind of control (MakePeer of its class).
    virtual std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) = 0;
    // A control made on a form that is loaded already gets its peer at once;
    // each kind calls this at the end of its constructor, once the control
    // is whole.
    void RealiseIfLoaded();
    // Makes the control's window now if its form is loaded, shown or not.
    void RealiseIfFormLoaded();

    Application* app_;
    Form* parent_;
    Control* container_ = nullptr;
    ControlKind kind_;
    std::string name_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color foreColor_ = 0x000000;
    Color backColor_ = 0xC0C0C0;
    forms::Font font_;
    forms::MousePointer mousePointer_ = forms::MousePointer::Default;
    bool tabStop_ = true;
    std::unique_ptr<Peer> peer_;
};

}  // namespace forms

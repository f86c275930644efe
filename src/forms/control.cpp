#include "forms/control.h"

#include <stdexcept>

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

Control::Control(Form& parent, ControlKind kind)
    : app_(&parent.App()), parent_(&parent), kind_(kind) {
    parent.AddControl(this);
}

void Control::RealiseIfFormLoaded() {
    if (parent_ && parent_ != this && parent_->Loaded()) Realise();
}

void Control::RealiseIfLoaded() {
    if (!parent_ || parent_ == this || !parent_->Loaded()) return;
    const bool withForm = kind_ == ControlKind::Timer || kind_ == ControlKind::Menu;
    if (withForm || (parent_->controlsRealised_ && Shown())) Realise();
}

Control::Control(Application& app, ControlKind kind) : app_(&app), parent_(nullptr), kind_(kind) {}

Control::~Control() {
    if (parent_ && parent_ != this) parent_->RemoveControl(this);
}

Application& Control::App() const { return *app_; }

void Control::Notify(Property property) {
    if (peer_) peer_->Update(property);
}

// Setting a value a control already has changes nothing on the screen: a
// label told its text again on every mouse move must not repaint.
void Control::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Notify(Property::Caption);
    SizeToContent();
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    // Shown for the first time: the control and what it holds get their
    // windows now (a form's controls are made when it is shown, those that
    // are hidden then when they come).
    if (visible && parent_ && parent_ != this && parent_->controlsRealised_)
        parent_->RealiseControls();
    Notify(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Notify(Property::Enabled);
}

void Control::Move(Twips left, Twips top, Twips width, Twips height) {
    left_ = left;
    top_ = top;
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    Notify(Property::Bounds);
}

void Control::SetForeColor(Color color) {
    if (color == foreColor_) return;
    foreColor_ = color;
    Notify(Property::ForeColor);
}

void Control::SetBackColor(Color color) {
    if (color == backColor_) return;
    backColor_ = color;
    Notify(Property::BackColor);
}

void Control::SetFont(const forms::Font& font) {
    // No font is smaller than nothing or larger than the largest size the
    // platform's font dialog offers.
    if (!(font.Size > 0 && font.Size <= 2160)) throw std::out_of_range("font size");
    font_ = font;
    Notify(Property::Font);
    SizeToContent();
}

void Control::SetFontName(const std::string& name) {
    forms::Font font = font_;
    font.Name = name;
    SetFont(font);
}

void Control::SetFontSize(double size) {
    forms::Font font = font_;
    font.Size = size;
    SetFont(font);
}

void Control::SetFontBold(bool bold) {
    forms::Font font = font_;
    font.Bold = bold;
    SetFont(font);
}

void Control::SetMousePointer(forms::MousePointer pointer) {
    mousePointer_ = pointer;
    Notify(Property::MousePointer);
}

void Control::SetFocus() {
    if (peer_) {
        Form::ProgramFocus byProgram(*parent_);
        peer_->SetFocus();
    }
    else if (parent_ && parent_ != this && parent_->Loaded())
        parent_->pendingFocus_ = this;  // given when the window is made
}

void Control::RaiseClick() {
    if (enabled_ && Click) Click();
}

void Control::RaiseDblClick() {
    if (Reachable() && DblClick) DblClick();
}

void Control::RaiseMouseMove(const MouseState& state) {
    if (enabled_ && MouseMove) MouseMove(state);
}

void Control::RaiseGotFocus() {
    if (GotFocus) GotFocus();
}

int Control::RaiseKeyPress(int keyAscii) {
    if (KeyPress) KeyPress(keyAscii);
    return keyAscii;
}

void Control::SetContainer(Control& container) {
    container_ = &container;
}

void Control::ZOrder(int position) {
    if (parent_ == this) return;  // forms are not stacked here
    parent_->Restack(this, position == 0);
    Notify(Property::ZOrder);
}

int Control::StackPosition() const {
    if (parent_ == this) return 0;
    int position = 0;
    for (const Control* other : parent_->StackingOrder()) {
        if (other == this) return position;
        if (other->container_ == container_) ++position;
    }
    return position;
}

bool Control::Shown() const {
    for (const Control* control = this; control; control = control->container_)
        if (!control->visible_) return false;
    return true;
}

bool Control::Reachable() const {
    if (!Shown()) return false;
    for (const Control* control = this; control; control = control->container_)
        if (!control->enabled_) return false;
    return true;
}

void Control::Realise() {
    // A container's window must stand before the windows inside it.
    if (container_ && !container_->peer_) container_->Realise();
    if (!peer_) peer_ = MakeOwnPeer(app_->GetBackend());
}

void Control::Unrealise() { peer_.reset(); }

}  // namespace forms

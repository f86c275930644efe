#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/controls.h"

namespace forms {

Form::Form(Application& app) : Control(app, ControlKind::Form) {
    parent_ = this;
    visible_ = false;
    backColor_ = 0xC0C0C0;
}

Form::~Form() {
    if (loaded_) app_->FormUnloaded(this);
}

void Form::AddControl(Control* control) {
    controls_.push_back(control);
    stacking_.push_back(control);
}

void Form::RemoveControl(Control* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), control), stacking_.end());
    if (defaultButton_ == control) defaultButton_ = nullptr;
    if (pendingFocus_ == control) pendingFocus_ = nullptr;
}

void Form::Restack(Control* control, bool toFront) {
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), control), stacking_.end());
    if (toFront)
        stacking_.insert(stacking_.begin(), control);
    else
        stacking_.push_back(control);
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    // The controls inside container (null: the form), each followed by its own.
    auto add = [&](auto& self, const Control* container) -> void {
        for (Control* control : stacking_) {
            if (control->Container() != container) continue;
            order.push_back(control);
            self(self, control);
        }
    };
    add(add, nullptr);
    return order;
}

bool Form::HasMenuBar() const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [](const Control* control) { return control->Kind() == ControlKind::Menu; });
}

TextSize Form::FrameSize() const { return app_->GetBackend().FrameSize(*this); }

void Form::SetClientSize(Twips width, Twips height) {
    const TextSize frame = FrameSize();
    Move(left_, top_, width + frame.width, height + frame.height);
}

void Form::SetIcon(const forms::Picture& icon) {
    icon_ = icon;
    Notify(Property::Picture);
}

void Form::SetTopMost(bool topMost) {
    topMost_ = topMost;
    // Like SetWindowPos with SWP_SHOWWINDOW, this shows a loaded form.
    if (loaded_) {
        RealiseControls();
        visible_ = true;
    }
    Notify(Property::TopMost);
}

void Form::SetDefaultButton(CommandButton* button) {
    defaultButton_ = button;
    Notify(Property::Default);
}

void Form::Load() {
    if (loaded_ || loading_) return;
    loading_ = true;
    if (centerOnLoad_) {
        left_ = (app_->ScreenWidth() - width_) / 2;
        top_ = (app_->ScreenHeight() - height_) / 2;
    }
    Realise();
    for (Control* control : controls_)
        if (control->Kind() == ControlKind::Timer || control->Kind() == ControlKind::Menu)
            control->Realise();
    loaded_ = true;
    app_->FormLoaded(this);
    Form_Load();
    loading_ = false;
}

void Form::RealiseControls() {
    if (!loaded_) return;
    // A control that is not shown (itself or its container hidden) gets
    // its window when it is first shown: the entries beyond a menu's count,
    // the pages behind the one in front, work areas never seen.
    for (Control* control : controls_)
        if (control->Shown()) control->Realise();
    controlsRealised_ = true;
    if (Control* focus = pendingFocus_) {
        pendingFocus_ = nullptr;
        focus->SetFocus();
    }
}

void Form::Show() {
    Load();
    if (!loaded_) return;
    RealiseControls();
    visible_ = true;
    Notify(Property::Visible);
}

void Form::ShowModal() {
    Show();
    if (!loaded_) return;
    app_->GetBackend().RunModal(*this);
}

void Form::Hide() {
    visible_ = false;
    Notify(Property::Visible);
}

void Form::SetVisible(bool visible) {
    if (visible)
        Show();
    else
        Hide();
}

bool Form::Unload(UnloadMode mode) {
    if (!loaded_ || unloading_) return true;
    unloading_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (!cancel) Form_Unload(cancel);
    if (cancel) {
        unloading_ = false;
        return false;
    }
    FinishUnload();
    return true;
}

bool Form::RaiseSessionEndQuery() {
    if (!loaded_ || unloading_) return true;
    bool cancel = false;
    Form_QueryUnload(cancel, UnloadMode::AppWindows);
    return !cancel;
}

void Form::RaiseSessionEnd() {
    if (!loaded_ || unloading_) return;
    unloading_ = true;
    bool cancel = false;
    Form_Unload(cancel);
    FinishUnload();
}

void Form::FinishUnload() {
    // The form counts as gone before its windows are destroyed, so that a
    // backend can end its message loop when the last window goes.
    loaded_ = false;
    visible_ = false;
    controlsRealised_ = false;
    pendingFocus_ = nullptr;
    app_->FormUnloaded(this);
    for (Control* control : controls_) control->Unrealise();
    Unrealise();
    unloading_ = false;
}

Control* Form::ActiveControl() const {
    Control* focused = app_->GetBackend().FocusedControl();
    return focused && focused != this && &focused->Parent() == this ? focused : nullptr;
}

Control* Form::FirstTabStopIn(const Control& container) const {
    for (Control* control : TabOrder()) {
        if (!control->StopsTab() || !control->Reachable()) continue;
        for (const Control* at = control->Container(); at; at = at->Container())
            if (at == &container) return control;
    }
    return nullptr;
}

void Form::Refresh() {
    if (peer_) peer_->Refresh();
}

void Form::PaintPicture(const forms::Picture& picture, Twips x, Twips y) {
    if (peer_ && !picture.Empty()) peer_->PaintPicture(picture, x, y);
}

void Form::Cls() {
    if (peer_) peer_->Cls();
}

}  // namespace forms

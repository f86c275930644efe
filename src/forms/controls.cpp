#include "forms/controls.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

// ---- Label -------------------------------------------------------------------

Label::Label(Form& parent) : Control(parent, ControlKind::Label) { tabStop_ = false; }

void Label::SetCaption(const std::string& caption) { Control::SetCaption(caption); }

void Label::SetFont(const forms::Font& font) { Control::SetFont(font); }

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Notify(Property::BackColor);
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    SizeToContent();
}

void Label::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    SizeToContent();
}

void Label::SizeToContent() {
    if (!autoSize_) return;
    const TextSize size =
        App().GetBackend().MeasureText(font_, caption_, wordWrap_ ? width_ : 0);
    if (wordWrap_)
        Move(left_, top_, width_, size.height);
    else
        Move(left_, top_, size.width, size.height);
}

// ---- CommandButton --------------------------------------------------------------

CommandButton::CommandButton(Form& parent) : Control(parent, ControlKind::CommandButton) {}

void CommandButton::SetPicture(const forms::Picture& picture) {
    picture_ = picture;
    Notify(Property::Picture);
}

bool CommandButton::Default() const { return parent_->DefaultButton() == this; }

void CommandButton::SetDefault(bool isDefault) {
    if (isDefault)
        parent_->SetDefaultButton(this);
    else if (Default())
        parent_->SetDefaultButton(nullptr);
}

// ---- TextBox -------------------------------------------------------------------

TextBox::TextBox(Form& parent) : Control(parent, ControlKind::TextBox) { backColor_ = 0xFFFFFF; }

void TextBox::SetText(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    selStart_ = std::min<int>(selStart_, static_cast<int>(caption_.size()));
    selLength_ = 0;
    Notify(Property::Caption);
    if (Change) Change();
}

void TextBox::RaiseTextChangedByUser(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    // Keep the selection inside the new text until the backend reports the
    // native one, so that handlers can use SelStart as an index.
    const int size = static_cast<int>(caption_.size());
    selStart_ = std::min(selStart_, size);
    selLength_ = std::min(selLength_, size - selStart_);
    if (Change) Change();
}

void TextBox::SetSelection(int start, int length) {
    const int size = static_cast<int>(caption_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
    Notify(Property::Selection);
}

void TextBox::UpdateSelectionFromUser(int start, int length) {
    const int size = static_cast<int>(caption_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
}

void TextBox::SetLocked(bool locked) {
    locked_ = locked;
    Notify(Property::Locked);
}

// ---- PictureBox ------------------------------------------------------------------

PictureBox::PictureBox(Form& parent) : Control(parent, ControlKind::PictureBox) {
    tabStop_ = false;
}

void PictureBox::SetPicture(const forms::Picture& picture) {
    picture_ = picture;
    Notify(Property::Picture);
    SizeToContent();
}

void PictureBox::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    SizeToContent();
}

void PictureBox::SizeToContent() {
    if (!autoSize_ || picture_.Empty()) return;
    // A border adds two pixels on every side (the sunken 3D frame).
    const int borderPixels = border_ ? 4 : 0;
    Move(left_, top_, (picture_.WidthPixels() + borderPixels) * App().TwipsPerPixelX(),
         (picture_.HeightPixels() + borderPixels) * App().TwipsPerPixelY());
}

void PictureBox::PaintPicture(const forms::Picture& picture, Twips x, Twips y) {
    if (peer_ && !picture.Empty()) peer_->PaintPicture(picture, x, y);
}

void PictureBox::Cls() {
    if (peer_) peer_->Cls();
}

// ---- Timer ------------------------------------------------------------------------

Timer::Timer(Form& parent) : Control(parent, ControlKind::Timer) {
    visible_ = false;
    tabStop_ = false;
}

void Timer::SetInterval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    Notify(Property::Interval);
}

void Timer::RaiseTimer() {
    if (Enabled() && interval_ > 0 && parent_->Loaded() && Tick) Tick();
}

}  // namespace forms

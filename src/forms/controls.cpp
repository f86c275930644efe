#include "forms/controls.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

// ---- Label -------------------------------------------------------------------

Label::Label(Form& parent) : Control(parent, ControlKind::Label) {
    tabStop_ = false;
    RealiseIfLoaded();
}

void Label::SetCaption(const std::string& caption) { Control::SetCaption(caption); }

void Label::SetFont(const forms::Font& font) { Control::SetFont(font); }

void Label::SetAlignment(forms::Alignment alignment) {
    alignment_ = alignment;
    Notify(Property::Alignment);
}

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

CommandButton::CommandButton(Form& parent) : Control(parent, ControlKind::CommandButton) { RealiseIfLoaded(); }

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

TextBox::TextBox(Form& parent) : Control(parent, ControlKind::TextBox) {
    backColor_ = 0xFFFFFF;
    RealiseIfLoaded();
}

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
    RealiseIfLoaded();
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
    const TextSize extent = App().GetBackend().PictureExtent(picture_, border_ ? 4 : 0);
    Move(left_, top_, extent.width, extent.height);
}

void PictureBox::PaintPicture(const forms::Picture& picture, Twips x, Twips y) {
    // What is painted stays: a box of a form that is not shown yet gets its
    // window now.
    RealiseIfFormLoaded();
    if (peer_ && !picture.Empty()) peer_->PaintPicture(picture, x, y);
}

void PictureBox::Cls() {
    if (peer_) peer_->Cls();
}

// ---- Frame ------------------------------------------------------------------------

Frame::Frame(Form& parent) : Control(parent, ControlKind::Frame) {
    tabStop_ = false;
    RealiseIfLoaded();
}

// ---- OptionButton --------------------------------------------------------------

OptionButton::OptionButton(Form& parent) : Control(parent, ControlKind::OptionButton) { RealiseIfLoaded(); }

void OptionButton::SetValue(bool value) {
    if (!value) {
        if (value_) {
            value_ = false;
            Notify(Property::Value);
        }
        return;
    }
    // The others of the group (the option buttons of the same container).
    for (Control* control : parent_->Controls()) {
        if (control == this || control->Kind() != ControlKind::OptionButton ||
            control->Container() != container_)
            continue;
        auto* other = static_cast<OptionButton*>(control);
        if (other->value_) {
            other->value_ = false;
            other->Notify(Property::Value);
        }
    }
    if (!value_) {
        value_ = true;
        Notify(Property::Value);
    }
    if (Click) Click();
}

void OptionButton::RaiseClick() {
    if (Reachable()) SetValue(true);
}

bool OptionButton::StopsTab() const {
    if (!tabStop_) return false;
    const Control* first = nullptr;
    for (const Control* other : parent_->TabOrder()) {
        if (other->Kind() != ControlKind::OptionButton || other->Container() != container_)
            continue;
        if (!first) first = other;
        if (static_cast<const OptionButton*>(other)->value_) return other == this;
    }
    return first == this;
}

// ---- ScrollBar ------------------------------------------------------------------

ScrollBar::ScrollBar(Form& parent) : Control(parent, ControlKind::ScrollBar) { RealiseIfLoaded(); }

void ScrollBar::MoveTo(int value) {
    if (value == value_) return;
    value_ = value;
    Notify(Property::Value);
    if (Change) Change();
}

void ScrollBar::SetMin(int min) {
    min_ = min;
    Notify(Property::Value);
    MoveTo(std::clamp(value_, std::min(min_, max_), std::max(min_, max_)));
}

void ScrollBar::SetMax(int max) {
    max_ = max;
    Notify(Property::Value);
    MoveTo(std::clamp(value_, std::min(min_, max_), std::max(min_, max_)));
}

void ScrollBar::SetValue(int value) {
    if (value < std::min(min_, max_) || value > std::max(min_, max_))
        throw std::out_of_range("scroll bar value");
    MoveTo(value);
}

void ScrollBar::SetSmallChange(int step) {
    if (step < 1) throw std::out_of_range("scroll bar step");
    smallChange_ = step;
    Notify(Property::Value);
}

void ScrollBar::SetLargeChange(int step) {
    if (step < 1) throw std::out_of_range("scroll bar step");
    largeChange_ = step;
    Notify(Property::Value);
}

void ScrollBar::RaiseScroll(Scroll action) {
    if (!Reachable()) return;
    // Up means towards Min, as on the screen; Min may also be the larger end.
    const int towardsMax = max_ >= min_ ? 1 : -1;
    int step = 0;
    switch (action) {
    case Scroll::LineUp: step = -smallChange_; break;
    case Scroll::LineDown: step = smallChange_; break;
    case Scroll::PageUp: step = -largeChange_; break;
    case Scroll::PageDown: step = largeChange_; break;
    }
    RaiseThumbMoved(value_ + step * towardsMax);
}

void ScrollBar::RaiseThumbMoved(int position) {
    if (!Reachable()) return;
    MoveTo(std::clamp(position, std::min(min_, max_), std::max(min_, max_)));
}

// ---- ComboBox --------------------------------------------------------------------

ComboBox::ComboBox(Form& parent) : Control(parent, ControlKind::ComboBox) {
    backColor_ = 0xFFFFFF;
    RealiseIfLoaded();
}

void ComboBox::AddItem(const std::string& text) {
    items_.push_back(text);
    if (peer_) peer_->UpdateItem(ItemChange::Added, ListCount());
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    if (peer_) peer_->UpdateItem(ItemChange::Cleared, 0);
}

const std::string& ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) throw std::out_of_range("list index");
    return items_[static_cast<std::size_t>(index)];
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw std::out_of_range("list index");
    if (index == listIndex_) return;
    listIndex_ = index;
    if (peer_) peer_->UpdateItem(ItemChange::Selected, index + 1);
    if (Click) Click();
}

std::string ComboBox::Text() const { return listIndex_ < 0 ? std::string() : List(listIndex_); }

void ComboBox::RaiseSelectedByUser(int index) {
    if (!Reachable() || index < -1 || index >= ListCount() || index == listIndex_) return;
    listIndex_ = index;
    if (Click) Click();
}

// ---- Timer ------------------------------------------------------------------------

Timer::Timer(Form& parent) : Control(parent, ControlKind::Timer) {
    visible_ = false;
    tabStop_ = false;
    RealiseIfLoaded();
}

void Timer::SetInterval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    Notify(Property::Interval);
}

void Timer::RaiseTimer() {
    if (Enabled() && interval_ > 0 && parent_->Loaded() && Tick) Tick();
}

// ---- Stacked pages ------------------------------------------------------------------

void ShowStackedPage(const std::vector<Control*>& pages, std::size_t index, Control* orElse) {
    Control& front = *pages.at(index);
    Form& form = front.Parent();
    front.ZOrder(0);
    front.SetVisible(true);
    const Control* focused = form.ActiveControl();
    const auto holdsFocus = [&](const Control* page) {
        for (const Control* at = focused; at; at = at->Container())
            if (at == page) return true;
        return false;
    };
    const bool focusGoesBehind = std::any_of(pages.begin(), pages.end(), [&](const Control* page) {
        return page && page != &front && holdsFocus(page);
    });
    if (focusGoesBehind) {
        if (Control* first = form.FirstTabStopIn(front))
            first->SetFocus();
        else if (orElse)
            orElse->SetFocus();
    }
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i] && i != index) pages[i]->SetVisible(false);
}

}  // namespace forms

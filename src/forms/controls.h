// The standard controls of the model.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

// Text on a form. Transparent labels show the form's drawing surface behind
// their text. With AutoSize the label takes the size of its text; with
// WordWrap as well, it keeps its width and grows in height.
enum class Alignment { Left, Right, Center };

class Label : public Control {
public:
    explicit Label(Form& parent);
    void SetCaption(const std::string& caption) override;
    void SetFont(const forms::Font& font) override;

    forms::Alignment Alignment() const { return alignment_; }
    void SetAlignment(forms::Alignment alignment);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }
    void SizeToContent() override;

private:
    forms::Alignment alignment_ = forms::Alignment::Left;
    bool transparent_ = false;
    bool autoSize_ = false;
    bool wordWrap_ = false;
};

// A push button; with a picture it shows the picture centred instead of its
// caption, cut at its edges. The access key is the letter after "&".
class CommandButton : public Control {
public:
    explicit CommandButton(Form& parent);
    const forms::Picture& Picture() const { return picture_; }
    void SetPicture(const forms::Picture& picture);
    // Whether this is the form's default button (Enter presses it).
    bool Default() const;
    void SetDefault(bool isDefault);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    forms::Picture picture_;
};

// A single-line text field. Change fires on every change of Text, by the
// user or by code, and never when the new text equals the old one.
class TextBox : public Control {
public:
    explicit TextBox(Form& parent);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& text);
    void SetCaption(const std::string& caption) override { SetText(caption); }

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelection(int start, int length);
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);

    std::function<void()> Change;

    // Called by backends when the user changed the text in the native field.
    void RaiseTextChangedByUser(const std::string& text);
    // Called by backends when the user moved the selection.
    void UpdateSelectionFromUser(int start, int length);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    int selStart_ = 0;
    int selLength_ = 0;
    bool locked_ = false;
};

// A picture area with a persistent drawing surface. With AutoSize it takes
// the size of its picture (without a border it is exactly that size).
class PictureBox : public Control {
public:
    explicit PictureBox(Form& parent);
    const forms::Picture& Picture() const { return picture_; }
    void SetPicture(const forms::Picture& picture);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Border() const { return border_; }
    void SetBorder(bool border) { border_ = border; }

    void PaintPicture(const forms::Picture& picture, Twips x, Twips y);
    void Cls();

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }
    void SizeToContent() override;

private:
    forms::Picture picture_;
    bool autoSize_ = false;
    bool border_ = true;
};

// A frame with a caption on its upper edge that holds other controls
// (their container). The access key of its caption moves the focus to the
// first control inside.
class Frame : public Control {
public:
    explicit Frame(Form& parent);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }
};

// One of a group of option buttons: the option buttons of one container
// form a group in which at most one is selected. Setting Value to true
// selects it, clears the others of the group and fires Click, also when it
// was selected already; a click by the user does the same.
class OptionButton : public Control {
public:
    explicit OptionButton(Form& parent);
    bool Value() const { return value_; }
    void SetValue(bool value);
    // The user clicked it: selects it.
    void RaiseClick() override;
    // Tab reaches the option buttons of a container at the selected one,
    // or at the first while none is selected.
    bool StopsTab() const override;

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    bool value_ = false;
};

// A vertical scroll bar. Value lies in Min..Max; an arrow moves it by
// SmallChange, a click in the track by LargeChange, and Change fires on
// every real move, by the user or by code. A Value outside the range is
// rejected with std::out_of_range and changes nothing.
class ScrollBar : public Control {
public:
    explicit ScrollBar(Form& parent);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }
    // A new range moves a Value outside it to its nearest end (firing Change).
    void SetMin(int min);
    void SetMax(int max);
    void SetValue(int value);
    void SetSmallChange(int step);
    void SetLargeChange(int step);

    std::function<void()> Change;

    enum class Scroll { LineUp, LineDown, PageUp, PageDown };
    // Called by backends: the user clicked an arrow or the track, or
    // dragged the thumb to position; the value stays within the range.
    void RaiseScroll(Scroll action);
    void RaiseThumbMoved(int position);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    void MoveTo(int value);
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

// A drop-down list to choose one of its entries from; the user cannot type
// a text of his own. ListIndex is the position of the selected entry
// (0-based) or -1 for none; Click fires when it changes, by the user or by
// code.
class ComboBox : public Control {
public:
    explicit ComboBox(Form& parent);
    void AddItem(const std::string& text);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range for a position without an entry.
    const std::string& List(int index) const;
    int ListIndex() const { return listIndex_; }
    // Throws std::out_of_range for anything but -1 and an entry's position.
    void SetListIndex(int index);
    // The selected entry's text, or "" without one.
    std::string Text() const;

    // Called by backends when the user picked an entry.
    void RaiseSelectedByUser(int index);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

// Fires Timer every Interval milliseconds while enabled and its form is loaded.
class Timer : public Control {
public:
    explicit Timer(Form& parent);
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool TimerEnabled() const { return Enabled(); }

    std::function<void()> Tick;
    void RaiseTimer();

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    int interval_ = 0;
};

// A fixed group of controls of one kind, addressed by index like a control
// array; an array may leave indexes out. at() throws std::out_of_range for
// an index that has no control.
template <class T>
class ControlArray {
public:
    // parent is the form, or the menu that holds an array of menu entries.
    template <class Parent>
    ControlArray(Parent& parent, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) items_.push_back(std::make_unique<T>(parent));
    }
    // Controls for the given indexes only, made in the order given.
    template <class Parent>
    ControlArray(Parent& parent, std::initializer_list<std::size_t> indexes) {
        for (const std::size_t index : indexes) {
            if (index >= items_.size()) items_.resize(index + 1);
            items_[index] = std::make_unique<T>(parent);
        }
    }
    T& operator[](std::size_t index) { return at(index); }
    const T& operator[](std::size_t index) const { return at(index); }
    T& at(std::size_t index) {
        if (index >= items_.size() || !items_[index]) throw std::out_of_range("control array index");
        return *items_[index];
    }
    const T& at(std::size_t index) const {
        if (index >= items_.size() || !items_[index]) throw std::out_of_range("control array index");
        return *items_[index];
    }
    // One more than the highest index.
    std::size_t size() const { return items_.size(); }
    bool contains(std::size_t index) const { return index < items_.size() && items_[index]; }

private:
    std::vector<std::unique_ptr<T>> items_;
};

// Pages stacked in one place: brings pages[index] to the front and shows it
// alone, so that Tab and access keys never reach the pages behind it. When
// the focus lies in a page that goes behind, it moves into the page that
// comes (to its first tab stop, or to orElse when the page has none) before
// the other pages are hidden, so that the platform never has to find a new
// place for it.
void ShowStackedPage(const std::vector<Control*>& pages, std::size_t index,
                     Control* orElse = nullptr);

template <class Page>
void ShowStackedPage(ControlArray<Page>& pages, std::size_t index, Control* orElse = nullptr) {
    pages.at(index);  // an index without a page throws before anything changes
    std::vector<Control*> all;
    for (std::size_t i = 0; i < pages.size(); ++i)
        all.push_back(pages.contains(i) ? &pages[i] : nullptr);
    ShowStackedPage(all, index, orElse);
}

}  // namespace forms

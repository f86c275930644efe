// The standard controls of the model.
#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

#include "forms/control.h"

namespace forms {

// Text on a form. Transparent labels show the form's drawing surface behind
// their text. With AutoSize the label takes the size of its text; with
// WordWrap as well, it keeps its width and grows in height.
class Label : public Control {
public:
    explicit Label(Form& parent);
    void SetCaption(const std::string& caption) override;
    void SetFont(const forms::Font& font) override;

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

protected:
    void SizeToContent() override;

private:
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
    void SizeToContent() override;

private:
    forms::Picture picture_;
    bool autoSize_ = false;
    bool border_ = true;
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

private:
    int interval_ = 0;
};

// A fixed group of controls of one kind, addressed by index like a control
// array. at() throws std::out_of_range for an index that has no control.
template <class T>
class ControlArray {
public:
    ControlArray(Form& parent, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) items_.push_back(std::make_unique<T>(parent));
    }
    T& operator[](std::size_t index) { return at(index); }
    const T& operator[](std::size_t index) const { return at(index); }
    T& at(std::size_t index) {
        if (index >= items_.size()) throw std::out_of_range("control array index");
        return *items_[index];
    }
    const T& at(std::size_t index) const {
        if (index >= items_.size()) throw std::out_of_range("control array index");
        return *items_[index];
    }
    std::size_t size() const { return items_.size(); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace forms

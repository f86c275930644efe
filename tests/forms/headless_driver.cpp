// Driver of the conformance suite for the headless backend: simulated input
// goes straight to the model's Raise... functions, following the rules a
// Windows dialog applies to the same keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <vector>

#include "forms/driver.h"
#include "forms/headless/headless_backend.h"

namespace forms::testing {

namespace {

// Whether the user can reach the control with the mouse or the keyboard:
// it shows and is enabled, and so are the containers it lies in.
bool TakesInput(const Control& control) {
    return control.Reachable() && control.Kind() != ControlKind::Timer &&
           control.Kind() != ControlKind::Menu;
}

bool IsContainer(const Control& control) {
    return control.Kind() == ControlKind::PictureBox || control.Kind() == ControlKind::Frame;
}

// Whether control lies (at any depth) inside container.
bool Inside(const Control& control, const Control& container) {
    for (const Control* at = control.Container(); at; at = at->Container())
        if (at == &container) return true;
    return false;
}

bool IsTabStop(const Control& control) { return control.StopsTab() && TakesInput(control); }

// The nodes of a tree as its window lists them: top-level nodes in order,
// each followed by its children while it is expanded.
std::vector<int> VisibleNodes(const TreeView& tree, int parent = 0) {
    std::vector<int> nodes;
    for (int index = 1; index <= tree.NodeCount(); ++index) {
        if (tree.Node(index).parent != parent) continue;
        nodes.push_back(index);
        if (tree.Node(index).expanded) {
            const std::vector<int> children = VisibleNodes(tree, index);
            nodes.insert(nodes.end(), children.begin(), children.end());
        }
    }
    return nodes;
}

// The letter after a single "&" in caption, lower case; 0 when there is none.
char AccessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

class HeadlessDriver : public Driver {
public:
    HeadlessDriver() {
        backend_.onModal = [this](Form& form) {
            if (pendingModal_.empty()) return;
            auto action = std::move(pendingModal_.front());
            pendingModal_.pop_front();
            action(form);
        };
    }

    Backend& GetBackend() override { return backend_; }

    void Click(Control& control) override {
        if (TakesInput(control) && control.GetPeer()) control.RaiseClick();
    }

    void MouseMove(Control& control, int x, int y) override {
        if (!control.GetPeer()) return;
        MouseState state;
        state.x = x * backend_.TwipsPerPixelX();
        state.y = y * backend_.TwipsPerPixelY();
        control.RaiseMouseMove(state);
    }

    void TypeChar(Control& control, char character) override {
        if (!TakesInput(control) || !control.GetPeer()) return;
        const int key = control.RaiseKeyPress(static_cast<unsigned char>(character));
        if (key == 0 || control.Kind() != ControlKind::TextBox) return;
        auto& box = static_cast<TextBox&>(control);
        if (box.Locked()) return;
        std::string text = box.Text();
        const auto start = static_cast<std::size_t>(box.SelStart());
        const auto length = static_cast<std::size_t>(box.SelLength());
        if (key == '\b') {
            if (length > 0) {
                text.erase(start, length);
                box.RaiseTextChangedByUser(text);
                box.UpdateSelectionFromUser(static_cast<int>(start), 0);
            } else if (start > 0) {
                text.erase(start - 1, 1);
                box.RaiseTextChangedByUser(text);
                box.UpdateSelectionFromUser(static_cast<int>(start) - 1, 0);
            }
            return;
        }
        if (key < 0x20 || key > 0xFF) return;  // control characters change no text
        text.replace(start, length, 1, static_cast<char>(key));
        box.RaiseTextChangedByUser(text);
        box.UpdateSelectionFromUser(static_cast<int>(start) + 1, 0);
    }

    void PressTab(Form& form) override {
        // Windows walks the child windows front to back, into containers.
        const std::vector<Control*> order = form.TabOrder();
        if (order.empty()) return;
        const Control* focused = FocusedControl(form);
        std::size_t from = order.size() - 1;
        for (std::size_t i = 0; i < order.size(); ++i)
            if (order[i] == focused) from = i;
        for (std::size_t step = 1; step <= order.size(); ++step) {
            Control* next = order[(from + step) % order.size()];
            if (IsTabStop(*next)) {
                backend_.FocusByUser(*next);
                return;
            }
        }
    }

    void PressEnter(Form& form) override {
        // A focused button takes Enter itself, and a tree takes it as a
        // character; otherwise the default button.
        Control* focused = FocusedControl(form);
        if (focused && focused->Kind() == ControlKind::CommandButton) {
            Click(*focused);
        } else if (focused && focused->Kind() == ControlKind::TreeView) {
            focused->RaiseKeyPress('\r');
        } else if (CommandButton* button = form.DefaultButton()) {
            Click(*button);
        }
    }

    void PressAccessKey(Form& form, char letter) override {
        const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        const std::vector<Control*> order = form.TabOrder();
        for (std::size_t i = 0; i < order.size(); ++i) {
            Control* control = order[i];
            if (!TakesInput(*control) || AccessKey(control->Caption()) != wanted) continue;
            if (control->Kind() == ControlKind::CommandButton ||
                control->Kind() == ControlKind::OptionButton) {
                Click(*control);
                return;
            }
            if (control->Kind() == ControlKind::Label || control->Kind() == ControlKind::Frame) {
                // A label's access key moves the focus to the next control,
                // a frame's to the first control inside it.
                for (std::size_t j = i + 1; j < order.size(); ++j) {
                    if (control->Kind() == ControlKind::Frame && !Inside(*order[j], *control))
                        return;
                    if (IsTabStop(*order[j])) {
                        backend_.FocusByUser(*order[j]);
                        return;
                    }
                }
                return;
            }
        }
    }

    void CloseByUser(Form& form) override {
        if (form.Loaded()) form.RaiseCloseRequest();
    }

    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) override {
        // Simulated time: one millisecond at a time, timers firing as due.
        for (int elapsed = 0;; ++elapsed) {
            if (condition()) return true;
            if (elapsed >= timeoutMs) return false;
            backend_.AdvanceTime(1);
        }
    }

    void OnNextModal(std::function<void(Form&)> action) override {
        pendingModal_.push_back(std::move(action));
    }

    Control* FocusedControl(Form& form) override {
        Control* focused = backend_.Focused();
        return focused && &focused->Parent() == &form ? focused : nullptr;
    }

    // ---- Menus and common controls ---------------------------------------------
    void ChooseMenu(Menu& entry) override {
        // The user sees only the entries of shown, enabled menus.
        if (entry.GetPeer() && entry.Parent().Enabled() && entry.Choosable() &&
            !entry.IsSeparator() && entry.Entries().empty())
            entry.RaiseClick();
    }

    void PressShortcut(Form& form, char letter) override {
        if (!form.Loaded() || !form.Enabled()) return;
        const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        // The first menu with the shortcut takes it, chosen or not.
        for (Control* control : form.Controls()) {
            if (control->Kind() != ControlKind::Menu) continue;
            auto* menu = static_cast<Menu*>(control);
            if (menu->Shortcut() != wanted) continue;
            if (menu->Choosable()) menu->RaiseClick();
            return;
        }
    }

    void ClickToolbarButton(Toolbar& toolbar, int index) override {
        if (TakesInput(toolbar) && toolbar.GetPeer()) toolbar.RaiseButtonClick(index);
    }

    void ClickTreeNode(TreeView& tree, int index) override {
        if (!TakesInput(tree) || !tree.GetPeer()) return;
        const std::vector<int> shown = VisibleNodes(tree);
        if (std::find(shown.begin(), shown.end(), index) == shown.end()) return;
        // The click takes the focus, selects the node, then reports itself.
        backend_.FocusByUser(tree);
        tree.UpdateSelectionFromUser(index);
        tree.RaiseClick();
    }

    void DoubleClickTreeNode(TreeView& tree, int index) override {
        ClickTreeNode(tree, index);
        if (tree.SelectedIndex() == index) tree.RaiseDblClick();
    }

    void PressArrowKey(Control& control, bool down) override {
        if (FocusedControl(control.Parent()) != &control || !TakesInput(control)) return;
        switch (control.Kind()) {
        case ControlKind::TreeView: {
            auto& tree = static_cast<TreeView&>(control);
            const std::vector<int> shown = VisibleNodes(tree);
            const auto at = std::find(shown.begin(), shown.end(), tree.SelectedIndex());
            if (at == shown.end()) return;  // nothing selected: the key does nothing
            if (down && at + 1 != shown.end()) tree.UpdateSelectionFromUser(*(at + 1));
            if (!down && at != shown.begin()) tree.UpdateSelectionFromUser(*(at - 1));
            return;
        }
        case ControlKind::ScrollBar:
            static_cast<ScrollBar&>(control).RaiseScroll(down ? ScrollBar::Scroll::LineDown
                                                              : ScrollBar::Scroll::LineUp);
            return;
        case ControlKind::ComboBox: {
            auto& box = static_cast<ComboBox&>(control);
            const int index = box.ListIndex() + (down ? 1 : -1);
            if (index >= 0 && index < box.ListCount()) box.RaiseSelectedByUser(index);
            return;
        }
        case ControlKind::OptionButton: {
            // The focus moves round the option buttons that follow each
            // other in the container; none gets selected by it.
            std::vector<Control*> group;
            bool found = false;
            for (Control* other : control.Parent().TabOrder()) {
                if (other->Container() != control.Container()) continue;
                if (other->Kind() != ControlKind::OptionButton) {
                    if (found) break;
                    group.clear();
                    continue;
                }
                group.push_back(other);
                if (other == &control) found = true;
            }
            const auto at = std::find(group.begin(), group.end(), &control);
            const auto from = static_cast<std::size_t>(at - group.begin());
            for (std::size_t step = 1; step < group.size(); ++step) {
                const std::size_t next =
                    down ? (from + step) % group.size() : (from + group.size() - step) % group.size();
                if (TakesInput(*group[next])) {
                    backend_.FocusByUser(*group[next]);
                    return;
                }
            }
            return;
        }
        default:
            return;
        }
    }

    void Scroll(ScrollBar& bar, ScrollBar::Scroll action) override {
        if (TakesInput(bar) && bar.GetPeer()) bar.RaiseScroll(action);
    }

    void DragThumb(ScrollBar& bar, int value) override {
        if (TakesInput(bar) && bar.GetPeer()) bar.RaiseThumbMoved(value);
    }

    void PickListEntry(ComboBox& box, int index) override {
        if (TakesInput(box) && box.GetPeer() && index >= 0 && index < box.ListCount())
            box.RaiseSelectedByUser(index);
    }

    void ChooseTab(TabStrip& strip, int index) override {
        if (TakesInput(strip) && strip.GetPeer()) strip.RaiseTabChosenByUser(index);
    }

    void ClickAt(Form& form, Twips x, Twips y) override {
        // The front control under the point, looking into containers.
        const Control* container = nullptr;
        Control* hit = nullptr;
        for (bool deeper = true; deeper;) {
            deeper = false;
            for (Control* control : form.StackingOrder()) {
                if (control->Container() != container || !control->Visible() ||
                    control->Kind() == ControlKind::Timer || control->Kind() == ControlKind::Menu)
                    continue;
                if (x < control->Left() || y < control->Top() ||
                    x >= control->Left() + control->Width() || y >= control->Top() + control->Height())
                    continue;
                hit = control;
                if (IsContainer(*control)) {
                    container = control;
                    x -= control->Left();
                    y -= control->Top();
                    // A picture box's border takes two pixels on each side.
                    if (control->Kind() == ControlKind::PictureBox &&
                        static_cast<PictureBox*>(control)->Border()) {
                        x -= 2 * backend_.TwipsPerPixelX();
                        y -= 2 * backend_.TwipsPerPixelY();
                    }
                    deeper = true;
                }
                break;
            }
        }
        if (hit) Click(*hit);
    }

private:
    headless::Backend backend_;
    std::deque<std::function<void(Form&)>> pendingModal_;

    // ---- Common dialogs and the folder picker ----------------------------------
public:
    void AnswerNextFileDialog(std::optional<std::string> path, DialogView* seen) override {
        backend_.fileDialogAnswers.push_back(std::move(path));
        fileSeen_.push_back(seen);
        backend_.onFileDialog = [this](const FileDialogRequest& request) {
            if (DialogView* view = NextSeen(fileSeen_)) {
                // The dialog opens in the preset's folder and shows its name.
                view->title = request.title;
                view->fileName = request.fileName.substr(
                    request.fileName.find_last_of("\\/") + 1);
                const auto bar = request.filter.find('|');
                if (bar != std::string::npos) view->fileType = request.filter.substr(0, bar);
            }
        };
    }

    void AnswerNextColorDialog(std::optional<Color> color, DialogView* seen) override {
        backend_.colorDialogAnswers.push_back(color);
        colorSeen_.push_back(seen);
        backend_.onColorDialog = [this](const ColorDialogRequest& request) {
            if (DialogView* view = NextSeen(colorSeen_))
                view->color = request.flags & cc::RgbInit ? request.color : 0;
        };
    }

    void AnswerNextFontDialog(std::optional<FontChoice> font, DialogView* seen) override {
        backend_.fontDialogAnswers.push_back(std::move(font));
        fontSeen_.push_back(seen);
        backend_.onFontDialog = [this](const FontDialogRequest& request) {
            if (DialogView* view = NextSeen(fontSeen_)) {
                view->fontName = request.fontName;
                view->fontSize = request.fontSize;
            }
            // An answer without a face keeps the one the dialog shows.
            auto& answers = backend_.fontDialogAnswers;
            if (!answers.empty() && answers.front() && answers.front()->name.empty())
                answers.front()->name = request.fontName;
        };
    }

    void AnswerNextFolderDialog(std::vector<std::string> select, bool confirm,
                                std::vector<FolderPickerView>* views) override {
        folderAnswers_.push_back({std::move(select), confirm, views});
        backend_.onFolderDialog = [this](const FolderDialogRequest& request,
                                         headless::FolderDialogState& dialog) {
            return AnswerFolderDialog(request, dialog);
        };
    }

    int UnusedDialogAnswers() override {
        const auto unused = backend_.fileDialogAnswers.size() + backend_.colorDialogAnswers.size() +
                            backend_.fontDialogAnswers.size() + folderAnswers_.size();
        backend_.fileDialogAnswers.clear();
        backend_.colorDialogAnswers.clear();
        backend_.fontDialogAnswers.clear();
        fileSeen_.clear();
        colorSeen_.clear();
        fontSeen_.clear();
        folderAnswers_.clear();
        return static_cast<int>(unused);
    }

private:
    struct FolderAnswer {
        std::vector<std::string> select;
        bool confirm = false;
        std::vector<FolderPickerView>* views = nullptr;
    };

    // Where the answer that a dialog now takes notes what it showed.
    static DialogView* NextSeen(std::deque<DialogView*>& seen) {
        if (seen.empty()) return nullptr;
        DialogView* view = seen.front();
        seen.pop_front();
        return view;
    }

    std::optional<std::string> AnswerFolderDialog(const FolderDialogRequest& request,
                                                  headless::FolderDialogState& dialog) {
        if (folderAnswers_.empty()) return std::nullopt;  // nobody there: cancelled
        const FolderAnswer answer = std::move(folderAnswers_.front());
        folderAnswers_.pop_front();
        std::string selected;
        for (const std::string& path : answer.select) {
            // The picker accepts a file-system folder before it notifies the
            // program, which may then decide otherwise.
            dialog.okEnabled = true;
            if (request.selectionChanged) request.selectionChanged(dialog, path);
            selected = path;
            if (answer.views) answer.views->push_back({dialog.okEnabled, dialog.statusText});
        }
        if (!answer.confirm) return std::nullopt;
        if (!dialog.okEnabled) {
            ADD_FAILURE() << "OK of the folder picker is disabled; the user cannot confirm";
            return std::nullopt;
        }
        return selected;
    }

    std::deque<DialogView*> fileSeen_;
    std::deque<DialogView*> colorSeen_;
    std::deque<DialogView*> fontSeen_;
    std::deque<FolderAnswer> folderAnswers_;
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() { return std::make_unique<HeadlessDriver>(); }

}  // namespace forms::testing

// Driver of the conformance suite for the win32 backend: simulated input is
// sent as real window messages to the native windows, and keys go through
// the same dispatch as in the program's message loop.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "forms/driver.h"
#include "forms/platform.h"
#include "forms/win32/backend.h"
#include "forms/win32/combo_box.h"
#include "forms/win32/tab_control.h"
#include "forms/win32/text.h"
#include "forms/win32/toolbar.h"
#include "forms/win32/tree_view.h"

namespace forms::testing {

namespace {

HWND HandleOf(const Control& control) { return reinterpret_cast<HWND>(control.NativeHandle()); }

class Win32Driver : public Driver {
public:
    Win32Driver() : backendOwner_(MakePlatformBackend()) {
        backend_ = dynamic_cast<win32::Win32Backend*>(backendOwner_.get());
        backend_->SetModalLoopHook([this](Form& form) {
            if (pendingModal_.empty()) return;
            auto action = std::move(pendingModal_.front());
            pendingModal_.pop_front();
            action(form);
        });
    }

    Backend& GetBackend() override { return *backend_; }

    void Click(Control& control) override {
        HWND hwnd = HandleOf(control);
        if (!Clickable(hwnd)) return;
        if (control.Kind() == ControlKind::CommandButton ||
            control.Kind() == ControlKind::OptionButton) {
            SendMessageW(hwnd, BM_CLICK, 0, 0);
        } else {
            SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
            SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        }
    }

    void MouseMove(Control& control, int x, int y) override {
        if (HWND hwnd = HandleOf(control)) SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }

    void TypeChar(Control& control, char character) override {
        HWND hwnd = HandleOf(control);
        if (!hwnd) return;
        if (GetFocus() != hwnd) SetFocus(hwnd);
        Key(hwnd, WM_CHAR, static_cast<unsigned char>(character), 1);
    }

    // Keys are handled to the end, also what they post (a typed character).
    void PressTab(Form& form) override {
        Key(KeyTarget(form), WM_KEYDOWN, VK_TAB, 0x000F0001);
        Drain();
    }

    void PressEnter(Form& form) override {
        Key(KeyTarget(form), WM_KEYDOWN, VK_RETURN, 0x001C0001);
        Drain();
    }

    void PressAccessKey(Form& form, char letter) override {
        const auto lower = static_cast<WPARAM>(std::tolower(static_cast<unsigned char>(letter)));
        // Bit 29: the Alt key is down.
        Key(KeyTarget(form), WM_SYSCHAR, lower, 0x20000001);
        Drain();
    }

    void CloseByUser(Form& form) override {
        if (HWND hwnd = HandleOf(form)) SendMessageW(hwnd, WM_CLOSE, 0, 0);
    }

    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) override {
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
        for (;;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) continue;
                backend_->Dispatch(message);
                if (condition()) return true;
            }
            if (condition()) return true;
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) return false;
            MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now),
                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }

    void OnNextModal(std::function<void(Form&)> action) override {
        pendingModal_.push_back(std::move(action));
    }

    Control* FocusedControl(Form& form) override {
        HWND focus = GetFocus();
        if (!focus) return nullptr;
        for (Control* control : form.Controls())
            if (HandleOf(*control) == focus) return control;
        return nullptr;
    }

    // ---- Menus and common controls ---------------------------------------------
    void ChooseMenu(Menu& entry) override {
        // As the user sees it: from the title down to the entry by their
        // captions; a grayed menu cannot be opened nor its entry chosen.
        HWND form = HandleOf(entry.Parent());
        if (!form || !IsWindowVisible(form) || !IsWindowEnabled(form)) return;
        std::vector<const Menu*> path;
        for (const Menu* menu = &entry; menu; menu = menu->ParentMenu())
            path.insert(path.begin(), menu);
        HMENU menu = GetMenu(form);
        for (std::size_t level = 0; menu && level < path.size(); ++level) {
            const std::wstring caption = win32::Widen(path[level]->Caption());
            MENUITEMINFOW item{};
            if (!FindMenuItem(menu, caption, item) || (item.fState & (MFS_GRAYED | MFS_DISABLED)))
                return;
            if (level + 1 < path.size()) {
                menu = item.hSubMenu;
            } else if (!item.hSubMenu) {
                SendMessageW(form, WM_COMMAND, MAKEWPARAM(item.wID, 0), 0);
                Drain();
            }
        }
    }

    void PressShortcut(Form& form, char letter) override {
        // Ctrl is down while the letter's key goes down.
        BYTE keys[256];
        GetKeyboardState(keys);
        const BYTE control = keys[VK_CONTROL], left = keys[VK_LCONTROL];
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
        SetKeyboardState(keys);
        const auto key = static_cast<UINT>(std::toupper(static_cast<unsigned char>(letter)));
        Key(KeyTarget(form), WM_KEYDOWN, key, KeyData(key));
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control;
        keys[VK_LCONTROL] = left;
        SetKeyboardState(keys);
        Drain();
    }

    void ClickToolbarButton(Toolbar& toolbar, int index) override {
        HWND hwnd = HandleOf(toolbar);
        RECT button;
        if (!Clickable(hwnd) || !win32::native::Toolbar(hwnd).GetItemRect(index - 1, &button))
            return;
        MouseClick(hwnd, Centre(button));
    }

    void ClickTreeNode(TreeView& tree, int index) override {
        const win32::native::TreeView view(HandleOf(tree));
        HTREEITEM item = Clickable(view.Handle()) ? FindTreeItem(view, nullptr, index) : nullptr;
        if (!item) return;
        // Only a node that shows (its parents expanded) can be clicked.
        if (const auto text = view.ItemRect(item, true)) MouseClick(view.Handle(), Centre(*text));
    }

    void DoubleClickTreeNode(TreeView& tree, int index) override {
        const win32::native::TreeView view(HandleOf(tree));
        HTREEITEM item = Clickable(view.Handle()) ? FindTreeItem(view, nullptr, index) : nullptr;
        if (!item) return;
        if (const auto text = view.ItemRect(item, true)) {
            const POINT point = Centre(*text);
            MouseClick(view.Handle(), point);
            const LPARAM at = MAKELPARAM(point.x, point.y);
            PostMessageW(view.Handle(), WM_LBUTTONUP, 0, at);
            SendMessageW(view.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            Drain();
        }
    }

    void PressArrowKey(Control& control, bool down) override {
        HWND hwnd = HandleOf(control);
        if (!hwnd || GetFocus() != hwnd) return;
        const UINT key = down ? VK_DOWN : VK_UP;
        Key(hwnd, WM_KEYDOWN, key, KeyData(key));
        Drain();
    }

    void Scroll(ScrollBar& bar, ScrollBar::Scroll action) override {
        HWND hwnd = HandleOf(bar);
        if (!Clickable(hwnd)) return;
        RECT client;
        GetClientRect(hwnd, &client);
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        if (!GetScrollBarInfo(hwnd, OBJID_CLIENT, &info)) return;
        const int arrow = info.dxyLineButton;
        const int x = client.right / 2;
        int y = -1;
        switch (action) {
        case ScrollBar::Scroll::LineUp: y = arrow / 2; break;
        case ScrollBar::Scroll::LineDown: y = client.bottom - arrow / 2 - 1; break;
        case ScrollBar::Scroll::PageUp:
            // The track above the thumb, where there is some.
            if (info.xyThumbTop > arrow) y = (arrow + info.xyThumbTop) / 2;
            break;
        case ScrollBar::Scroll::PageDown:
            if (info.xyThumbBottom < client.bottom - arrow)
                y = (info.xyThumbBottom + client.bottom - arrow) / 2;
            break;
        }
        if (y >= 0) MouseClick(hwnd, POINT{x, y});
    }

    void DragThumb(ScrollBar& bar, int value) override {
        HWND hwnd = HandleOf(bar);
        if (!Clickable(hwnd)) return;
        // What the scroll bar sends while its thumb is dragged and let go:
        // positions of the window, whose top is the model's Min.
        const int position = bar.Min() <= bar.Max() ? value : bar.Min() + bar.Max() - value;
        HWND parent = GetParent(hwnd);
        for (const int code : {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}) {
            const int sent = code == SB_ENDSCROLL ? 0 : position;
            SendMessageW(parent, WM_VSCROLL, MAKEWPARAM(code, static_cast<WORD>(sent)),
                         reinterpret_cast<LPARAM>(hwnd));
        }
        Drain();
    }

    void PickListEntry(ComboBox& box, int index) override {
        // Opens the list and clicks the entry in it.
        HWND hwnd = HandleOf(box);
        if (!Clickable(hwnd)) return;
        win32::native::ComboBox combo(hwnd);
        combo.ShowDropDown(true);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        RECT entry;
        if (!GetComboBoxInfo(hwnd, &info) || !info.hwndList ||
            SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&entry)) == LB_ERR) {
            combo.ShowDropDown(false);
            return;
        }
        MouseClick(info.hwndList, Centre(entry));
    }

    void ChooseTab(TabStrip& strip, int index) override {
        HWND hwnd = HandleOf(strip);
        RECT tab;
        if (!Clickable(hwnd) || !win32::native::TabControl(hwnd).GetItemRect(index - 1, tab))
            return;
        MouseClick(hwnd, Centre(tab));
    }

    void ClickAt(Form& form, Twips x, Twips y) override {
        // The window under the point, as Windows finds it: the front child
        // window there, and on into its children.
        HWND at = HandleOf(form);
        if (!at) return;
        POINT point{backend_->GetDpi().PixelsX(x), backend_->GetDpi().PixelsY(y)};
        for (;;) {
            HWND child = ChildWindowFromPointEx(at, point, CWP_SKIPINVISIBLE);
            if (!child || child == at) break;
            MapWindowPoints(at, child, &point, 1);
            at = child;
        }
        for (Control* control : form.Controls())
            if (HandleOf(*control) == at) {
                if (IsWindowEnabled(at)) Click(*control);
                return;
            }
    }

private:
    // Key data of a key press: repeat count 1 and the key's scan code.
    static LPARAM KeyData(UINT key) {
        LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        if (key == VK_UP || key == VK_DOWN) data |= LPARAM{1} << 24;  // extended keys
        return data;
    }

    // Whether the user can click the window: it shows, and it and the
    // windows it lies in are enabled.
    static bool Clickable(HWND hwnd) {
        if (!hwnd || !IsWindowVisible(hwnd)) return false;
        for (HWND at = hwnd; at; at = GetAncestor(at, GA_PARENT)) {
            if (!IsWindowEnabled(at)) return false;
            if (!(GetWindowLongPtrW(at, GWL_STYLE) & WS_CHILD)) break;
        }
        return true;
    }

    static POINT Centre(const RECT& rect) {
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    // Presses and releases the left mouse button at point of hwnd. The
    // release waits in the queue, as it would for a real click: trees and
    // scroll bars watch the queue for it while the button is down.
    void MouseClick(HWND hwnd, POINT point) {
        const LPARAM at = MAKELPARAM(point.x, point.y);
        PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        Drain();
    }

    // Handles the messages that wait now (posted ones and what they cause).
    void Drain() {
        MSG message;
        for (int handled = 0; handled < 1000 &&
                              PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE);
             ++handled) {
            if (message.message == WM_QUIT) continue;
            backend_->Dispatch(message);
        }
    }

    // The item of menu whose caption (left of a tab) is caption.
    static bool FindMenuItem(HMENU menu, const std::wstring& caption, MENUITEMINFOW& found) {
        const int count = GetMenuItemCount(menu);
        for (int position = 0; position < count; ++position) {
            wchar_t text[256] = {};
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
            item.dwTypeData = text;
            item.cch = 255;
            if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item) ||
                (item.fType & MFT_SEPARATOR))
                continue;
            std::wstring shown = text;
            shown = shown.substr(0, shown.find(L'\t'));
            if (shown == caption) {
                found = item;
                return true;
            }
        }
        return false;
    }

    // The item of a tree view below parent (null: the whole tree) whose
    // lParam is index.
    static HTREEITEM FindTreeItem(const win32::native::TreeView& tree, HTREEITEM parent,
                                  int index) {
        for (HTREEITEM item = parent ? tree.Child(parent) : tree.Root(); item;
             item = tree.NextSibling(item)) {
            if (tree.Param(item) == index) return item;
            if (HTREEITEM below = FindTreeItem(tree, item, index)) return below;
        }
        return nullptr;
    }

    // Keys go to the focused window of the form, or to the form itself.
    static HWND KeyTarget(Form& form) {
        HWND window = HandleOf(form);
        HWND focus = GetFocus();
        return focus && (focus == window || IsChild(window, focus)) ? focus : window;
    }

    void Key(HWND hwnd, UINT messageId, WPARAM wParam, LPARAM lParam) {
        if (!hwnd) return;
        MSG message{};
        message.hwnd = hwnd;
        message.message = messageId;
        message.wParam = wParam;
        message.lParam = lParam;
        message.time = GetMessageTime();
        backend_->Dispatch(message);
    }

    std::unique_ptr<Backend> backendOwner_;
    win32::Win32Backend* backend_ = nullptr;
    std::deque<std::function<void(Form&)>> pendingModal_;

    // ---- Common dialogs and the folder picker ----------------------------------
public:
    void AnswerNextFileDialog(std::optional<std::string> path, DialogView* seen) override {
        dialogs_.Add("file", &IsFileDialog, [path, seen](HWND dialog) {
            if (seen) {
                seen->title = win32::WindowText(dialog);
                seen->fileName = win32::WindowText(FileNameField(dialog));
                seen->fileType = win32::WindowText(GetDlgItem(dialog, kFileTypes));
            }
            AnswerFileDialog(dialog, path);
        });
    }

    void AnswerNextColorDialog(std::optional<Color> color, DialogView* seen) override {
        dialogs_.Add("colour", &IsColorDialog, [color, seen](HWND dialog) {
            if (seen) seen->color = ShownColor(dialog);
            AnswerColorDialog(dialog, color);
        });
    }

    void AnswerNextFontDialog(std::optional<FontChoice> font, DialogView* seen) override {
        dialogs_.Add("font", &IsFontDialog, [font, seen](HWND dialog) {
            if (seen) {
                seen->fontName = win32::WindowText(GetDlgItem(dialog, kFontFace));
                seen->fontSize = GetDlgItemInt(dialog, kFontSize, nullptr, FALSE);
            }
            AnswerFontDialog(dialog, font);
        });
    }

    void AnswerNextFolderDialog(std::vector<std::string> select, bool confirm,
                                std::vector<FolderPickerView>* views) override {
        dialogs_.Add("folder picker", &IsFolderPicker, [select, confirm, views](HWND dialog) {
            AnswerFolderPicker(dialog, select, confirm, views);
        });
    }

    int UnusedDialogAnswers() override { return dialogs_.TakeUnused(); }

private:
    // Control ids of the dialogs, the same in Windows and in Wine.
    static constexpr int kFileNameEdit = 0x480;   // Wine; Windows' old-style dialog
    static constexpr int kFileNameCombo = 0x47C;  // Windows' Explorer-style dialog
    static constexpr int kFileTypes = 0x470;
    static constexpr int kColorRed = 706;
    static constexpr int kColorGreen = 707;
    static constexpr int kColorBlue = 708;
    static constexpr int kDefineCustomColors = 719;
    static constexpr int kFontFace = 0x470;
    static constexpr int kFontStyle = 0x471;
    static constexpr int kFontSize = 0x472;
    static constexpr int kFontColor = 0x473;
    static constexpr int kFontStrikeout = 0x410;
    static constexpr int kFontUnderline = 0x411;
    static constexpr int kFolderTree = 0x3741;
    static constexpr int kFolderStatus = 0x3743;

    using Recognise = bool (*)(HWND dialog);

    // Answers for the dialogs the program opens, front first. While one
    // waits, a thread timer looks among this thread's windows for an enabled
    // dialog box of its kind: the dialog's own modal loop dispatches the
    // timer, so the answer runs inside that loop, fills the dialog through
    // its controls and presses OK or Cancel. A dialog that does not appear,
    // or stays open after its answer, fails the test after a while and is
    // cancelled, so that no test hangs.
    class DialogAnswers {
    public:
        DialogAnswers() = default;
        DialogAnswers(const DialogAnswers&) = delete;
        DialogAnswers& operator=(const DialogAnswers&) = delete;
        ~DialogAnswers() { Stop(); }

        void Add(const char* kind, Recognise recognise, std::function<void(HWND)> answer) {
            if (pending_.empty()) deadline_ = GetTickCount64() + kPatienceMs;
            pending_.push_back({kind, recognise, std::move(answer), nullptr});
            if (!timer_) {
                running_ = this;
                timer_ = SetTimer(nullptr, 0, kTickMs, &DialogAnswers::Tick);
            }
        }

        int TakeUnused() {
            DropClosed();
            const int unused = static_cast<int>(pending_.size());
            pending_.clear();
            Stop();
            return unused;
        }

    private:
        struct Pending {
            const char* kind;
            Recognise recognise;
            std::function<void(HWND)> answer;
            HWND answered;  // the dialog the answer went to
        };

        static constexpr UINT kTickMs = 20;
        static constexpr ULONGLONG kPatienceMs = 20000;
        static inline DialogAnswers* running_ = nullptr;

        static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
            if (running_) running_->Look();
        }

        void Stop() {
            if (timer_) KillTimer(nullptr, timer_);
            timer_ = 0;
            if (running_ == this) running_ = nullptr;
        }

        // An answered dialog that has closed makes way for the next answer.
        void DropClosed() {
            while (!pending_.empty() && pending_.front().answered &&
                   !IsWindow(pending_.front().answered)) {
                pending_.pop_front();
                deadline_ = GetTickCount64() + kPatienceMs;
            }
        }

        void Look() {
            DropClosed();
            if (pending_.empty()) return Stop();
            if (GetTickCount64() > deadline_) return GiveUp();
            // An answer that opened a window of its own (a message box) is
            // still running further down this stack.
            if (answering_ || pending_.front().answered) return;
            const HWND dialog = FindDialog(pending_.front().recognise);
            if (!dialog) return;
            pending_.front().answered = dialog;
            const std::function<void(HWND)> answer = std::move(pending_.front().answer);
            answering_ = true;
            answer(dialog);
            answering_ = false;
        }

        void GiveUp() {
            const Pending& front = pending_.front();
            if (front.answered)
                ADD_FAILURE() << "the " << front.kind << " dialog stayed open after its answer";
            else
                ADD_FAILURE() << "no " << front.kind << " dialog opened";
            EnumThreadWindows(GetCurrentThreadId(), &CancelDialogBox, 0);
            pending_.pop_front();
            deadline_ = GetTickCount64() + kPatienceMs;
        }

        static bool IsDialogBox(HWND window) {
            wchar_t name[16] = {};
            return GetClassNameW(window, name, 16) && std::wstring(name) == L"#32770" &&
                   IsWindowVisible(window);
        }

        static BOOL CALLBACK CancelDialogBox(HWND window, LPARAM) {
            if (IsDialogBox(window))
                PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return TRUE;
        }

        struct Search {
            Recognise recognise;
            HWND found;
        };

        static BOOL CALLBACK Consider(HWND window, LPARAM data) {
            auto& search = *reinterpret_cast<Search*>(data);
            if (!IsDialogBox(window) || !IsWindowEnabled(window) || !search.recognise(window))
                return TRUE;
            search.found = window;
            return FALSE;
        }

        static HWND FindDialog(Recognise recognise) {
            Search search{recognise, nullptr};
            EnumThreadWindows(GetCurrentThreadId(), &Consider, reinterpret_cast<LPARAM>(&search));
            return search.found;
        }

        std::deque<Pending> pending_;
        ULONGLONG deadline_ = 0;
        UINT_PTR timer_ = 0;
        bool answering_ = false;
    };

    static HWND FileNameField(HWND dialog) {
        if (HWND edit = GetDlgItem(dialog, kFileNameEdit)) return edit;
        return GetDlgItem(dialog, kFileNameCombo);
    }

    static bool IsFileDialog(HWND dialog) {
        return FileNameField(dialog) && GetDlgItem(dialog, IDOK);
    }

    static bool IsColorDialog(HWND dialog) {
        return GetDlgItem(dialog, kColorRed) && GetDlgItem(dialog, kColorGreen) &&
               GetDlgItem(dialog, kColorBlue);
    }

    static bool IsFontDialog(HWND dialog) {
        return !FileNameField(dialog) && GetDlgItem(dialog, kFontFace) &&
               GetDlgItem(dialog, kFontStyle) && GetDlgItem(dialog, kFontSize);
    }

    static bool IsFolderPicker(HWND dialog) { return GetDlgItem(dialog, kFolderTree) != nullptr; }

    // Clicks a button of the dialog, as the user can only when it is enabled.
    static void Press(HWND dialog, int id) {
        HWND button = GetDlgItem(dialog, id);
        if (button && IsWindowEnabled(button)) {
            SendMessageW(button, BM_CLICK, 0, 0);
            return;
        }
        ADD_FAILURE() << "button " << id << " of the dialog is missing or disabled";
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }

    static void AnswerFileDialog(HWND dialog, const std::optional<std::string>& path) {
        if (path) {
            SetWindowTextW(FileNameField(dialog), win32::Widen(*path).c_str());
            Press(dialog, IDOK);
        } else {
            Press(dialog, IDCANCEL);
        }
    }

    static Color ShownColor(HWND dialog) {
        return RGB(GetDlgItemInt(dialog, kColorRed, nullptr, FALSE),
                   GetDlgItemInt(dialog, kColorGreen, nullptr, FALSE),
                   GetDlgItemInt(dialog, kColorBlue, nullptr, FALSE));
    }

    // OK with the colour shown, or typed into the red, green and blue
    // fields (which the dialog shows after "define custom colours").
    static void AnswerColorDialog(HWND dialog, std::optional<Color> color) {
        if (!color) return Press(dialog, IDCANCEL);
        if (ShownColor(dialog) != *color) {
            if (!IsWindowVisible(GetDlgItem(dialog, kColorRed))) {
                HWND define = GetDlgItem(dialog, kDefineCustomColors);
                if (!define || !IsWindowEnabled(define)) {
                    ADD_FAILURE() << "the colour dialog cannot show colour " << *color;
                    return Press(dialog, IDCANCEL);
                }
                SendMessageW(define, BM_CLICK, 0, 0);
            }
            SetDlgItemInt(dialog, kColorRed, GetRValue(*color), FALSE);
            SetDlgItemInt(dialog, kColorGreen, GetGValue(*color), FALSE);
            SetDlgItemInt(dialog, kColorBlue, GetBValue(*color), FALSE);
        }
        Press(dialog, IDOK);
    }

    using Combo = win32::native::ComboBox;

    // Selects the first entry of a combo box that fits, with the
    // notification a click on it sends; false when none fits.
    static bool PickEntry(HWND dialog, int id, const std::function<bool(const Combo&, int)>& fits) {
        Combo combo(GetDlgItem(dialog, id));
        if (!combo) return false;
        const int count = combo.Count();
        for (int i = 0; i < count; ++i) {
            if (!fits(combo, i)) continue;
            combo.SetCurSel(i);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo.Handle()));
            return true;
        }
        return false;
    }

    // Ticks or unticks a check box; one that is not shown fits only false.
    static bool SetCheck(HWND dialog, int id, bool wanted) {
        HWND box = GetDlgItem(dialog, id);
        if (!box || !IsWindowVisible(box)) return !wanted;
        if ((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != wanted)
            SendMessageW(box, BM_CLICK, 0, 0);
        return true;
    }

    static void AnswerFontDialog(HWND dialog, const std::optional<FontChoice>& font) {
        if (!font) return Press(dialog, IDCANCEL);
        const std::wstring face = win32::Widen(font->name);
        const std::wstring size = std::to_wstring(std::lround(font->size));
        bool fits = std::round(font->size) == font->size && font->size > 0;
        if (!face.empty()) {
            fits = fits && PickEntry(dialog, kFontFace, [&](const Combo& combo, int i) {
                return lstrcmpiW(combo.Text(i).c_str(), face.c_str()) == 0;
            });
        }
        fits = fits && PickEntry(dialog, kFontStyle, [&](const Combo& combo, int i) {
            const auto style = combo.ItemData(i);
            return (LOWORD(style) >= FW_BOLD) == font->bold && (HIWORD(style) != 0) == font->italic;
        });
        if (fits && !PickEntry(dialog, kFontSize, [&](const Combo& combo, int i) {
                return combo.Text(i) == size;
            })) {
            // A size the list does not offer is typed in.
            Combo sizes(GetDlgItem(dialog, kFontSize));
            sizes.SetCurSel(-1);
            SetWindowTextW(sizes.Handle(), size.c_str());
        }
        fits = fits && SetCheck(dialog, kFontUnderline, font->underline) &&
               SetCheck(dialog, kFontStrikeout, font->strikethrough);
        HWND colors = GetDlgItem(dialog, kFontColor);
        if (fits && ((colors && IsWindowVisible(colors)) || font->color != 0)) {
            fits = PickEntry(dialog, kFontColor, [&](const Combo& combo, int i) {
                return static_cast<Color>(combo.ItemData(i)) == font->color;
            });
        }
        if (!fits) {
            ADD_FAILURE() << "the font dialog offers no "
                          << (face.empty() ? win32::WindowText(GetDlgItem(dialog, kFontFace))
                                           : font->name)
                          << " " << font->size
                          << (font->bold ? " bold" : "") << (font->italic ? " italic" : "");
            return Press(dialog, IDCANCEL);
        }
        Press(dialog, IDOK);
    }

    static void AnswerFolderPicker(HWND dialog, const std::vector<std::string>& select,
                                   bool confirm, std::vector<FolderPickerView>* views) {
        const win32::native::TreeView tree(GetDlgItem(dialog, kFolderTree));
        HWND ok = GetDlgItem(dialog, IDOK);
        for (const std::string& path : select) {
            const std::wstring wide = win32::Widen(path);
            const HTREEITEM before = tree.Selection();
            // The picker selects the folder's item and notifies the program.
            SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
            if (tree.Selection() == before)
                ADD_FAILURE() << "the folder picker found no item for " << path;
            if (views)
                views->push_back({IsWindowEnabled(ok) != FALSE,
                                  win32::WindowText(GetDlgItem(dialog, kFolderStatus))});
        }
        Press(dialog, confirm ? IDOK : IDCANCEL);
    }

    DialogAnswers dialogs_;
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() { return std::make_unique<Win32Driver>(); }

}  // namespace forms::testing

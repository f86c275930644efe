// Text boxes: single-line EDIT windows. Typed characters pass KeyPress first;
// changes of the text by the user reach the model through EN_CHANGE.
#include "forms/win32/backend.h"

#include <commctrl.h>

#include "forms/win32/control_peer.h"
#include "forms/win32/edit.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

class TextBoxPeer : public ControlPeer {
public:
    TextBoxPeer(TextBox& textBox, Win32Backend& backend)
        : ControlPeer(textBox, backend), textBox_(textBox) {
        DWORD style = ES_LEFT | ES_AUTOHSCROLL;
        if (textBox.TabStop()) style |= WS_TABSTOP;
        if (textBox.Locked()) style |= ES_READONLY;
        Create(L"EDIT", style, WS_EX_CLIENTEDGE);
        ApplySelection();
    }
    void Update(Property property) override {
        if (!hwnd_) return;
        switch (property) {
        case Property::Selection:
            ApplySelection();
            break;
        case Property::Locked:
            View().SetReadOnly(textBox_.Locked());
            break;
        case Property::ForeColor:
        case Property::BackColor:
            ForgetBrush();
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        default:
            ControlPeer::Update(property);
            break;
        }
    }

    HBRUSH CtlColor(HDC dc) override { return OwnColors(dc); }

    void Command(int code) override {
        // Text set by code arrives here too, equal to the model's text, and
        // then fires nothing.
        if (code == EN_CHANGE) textBox_.RaiseTextChangedByUser(WindowText(hwnd_));
    }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        switch (message) {
        case WM_CHAR: {
            // A handler may change the character or discard it (0).
            const int key = textBox_.RaiseKeyPress(static_cast<int>(wParam));
            handled = true;
            if (key == 0) return 0;
            const LRESULT result = DefSubclassProc(hwnd_, message, static_cast<WPARAM>(key),
                                                   lParam);
            ReadSelection();
            return result;
        }
        case WM_KEYUP:
        case WM_LBUTTONUP: {
            handled = true;
            const LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
            ReadSelection();
            return result;
        }
        default:
            return ControlPeer::Message(message, wParam, lParam, handled);
        }
    }

private:
    native::Edit View() const { return native::Edit(hwnd_); }

    void ApplySelection() {
        const std::string& text = textBox_.Text();
        const int start = Utf16Offset(text, textBox_.SelStart());
        const int end = Utf16Offset(text, textBox_.SelStart() + textBox_.SelLength());
        View().SetSel(start, end);
    }

    // The user moved the caret or the selection.
    void ReadSelection() {
        if (!hwnd_) return;
        DWORD start = 0, end = 0;
        View().GetSel(start, end);
        const std::wstring text = Widen(WindowText(hwnd_));
        const int from = Utf8Offset(text, static_cast<int>(start));
        const int to = Utf8Offset(text, static_cast<int>(end));
        textBox_.UpdateSelectionFromUser(from, to - from);
    }

    TextBox& textBox_;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, TextBox& textBox) {
    return win32::NewPeer<win32::TextBoxPeer>(backend, textBox);
}

// Command buttons: BUTTON windows. A button with a picture shows a bitmap of
// the picture drawn centred on the button face and cut at the button's
// inner edges.
#include <algorithm>

#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/form_window.h"
#include "forms/win32/pictures.h"

namespace forms::win32 {

namespace {

// The raised edge of a push button and the focus frame inside it.
constexpr int kEdgePixels = 2;

class ButtonPeer : public ControlPeer {
public:
    ButtonPeer(CommandButton& button, Win32Backend& backend)
        : ControlPeer(button, backend), button_(button) {
        DWORD style = button.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (button.TabStop()) style |= WS_TABSTOP;
        if (!button.Picture().Empty()) style |= BS_BITMAP;
        Create(L"BUTTON", style, 0);
        ApplyPicture();
    }
    ~ButtonPeer() override {
        // The button only borrows its bitmap.
        if (hwnd_) SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, 0);
        if (bitmap_) DeleteObject(bitmap_);
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        ControlPeer::Update(property);
        if (property == Property::Picture || property == Property::Bounds) ApplyPicture();
    }

    void Command(int code) override {
        if (code == BN_CLICKED) button_.RaiseClick();
    }

private:
    void ApplyPicture() {
        if (!hwnd_) return;
        HBITMAP old = bitmap_;
        bitmap_ = MakeFace();
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        const LONG_PTR wanted =
            bitmap_ ? style | BS_BITMAP : style & ~static_cast<LONG_PTR>(BS_BITMAP);
        if (wanted != style) SetWindowLongPtrW(hwnd_, GWL_STYLE, wanted);
        SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
        if (old) DeleteObject(old);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    // The picture centred on a bitmap of the button face colour that fills
    // the inside of the button, or the picture's size when that is smaller.
    HBITMAP MakeFace() const {
        const Win32Picture* picture = PixelsOf(button_.Picture());
        if (!picture) return nullptr;
        RECT client;
        GetClientRect(hwnd_, &client);
        const int insideWidth = std::max<int>(1, client.right - 2 * kEdgePixels);
        const int insideHeight = std::max<int>(1, client.bottom - 2 * kEdgePixels);
        const Dpi& dpi = WindowDpi();
        const SIZE size = picture->SizeAt(dpi);
        const int width = std::min<int>(size.cx, insideWidth);
        const int height = std::min<int>(size.cy, insideHeight);
        HBITMAP face = MakeFilledBitmap(width, height, GetSysColor(COLOR_BTNFACE));
        if (!face) return nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, face);
        picture->Draw(dc, (width - size.cx) / 2, (height - size.cy) / 2, dpi);
        SelectObject(dc, old);
        DeleteDC(dc);
        return face;
    }

    CommandButton& button_;
    HBITMAP bitmap_ = nullptr;
};

}  // namespace

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, CommandButton& button) {
    return win32::NewPeer<win32::ButtonPeer>(backend, button);
}

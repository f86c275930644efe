// Picture boxes: child windows of our own class with a persistent drawing
// surface that holds the background colour, the picture at the top-left
// corner and whatever was painted onto it since. A picture box can hold
// controls: what they send to it goes on to their peers, and transparent
// labels in it show its surface.
#include "forms/win32/backend.h"
#include "forms/win32/control_peer.h"
#include "forms/win32/pictures.h"
#include "forms/win32/surface.h"

namespace forms::win32 {

namespace {

constexpr wchar_t kPictureClass[] = L"KelvoPictureBox";

class PictureBoxPeer : public ControlPeer {
public:
    PictureBoxPeer(PictureBox& box, Win32Backend& backend) : ControlPeer(box, backend), box_(box) {
        Create(kPictureClass, WS_CLIPCHILDREN,
               WS_EX_CONTROLPARENT | (box.Border() ? WS_EX_CLIENTEDGE : 0));
        if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        Rebuild();
    }
    ~PictureBoxPeer() override {
        if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }

    void Update(Property property) override {
        if (!hwnd_) return;
        switch (property) {
        case Property::Picture:
        case Property::BackColor:
            Rebuild();
            break;
        case Property::Bounds:
            ControlPeer::Update(property);
            FitSurface();
            break;
        default:
            ControlPeer::Update(property);
            break;
        }
    }

    void PaintPicture(const Picture& picture, Twips x, Twips y) override {
        const Win32Picture* pixels = PixelsOf(picture);
        if (!hwnd_ || !pixels) return;
        const Dpi& dpi = WindowDpi();
        const int left = dpi.PixelsX(x);
        const int top = dpi.PixelsY(y);
        surface_.Draw(*pixels, left, top);
        // Transparent labels over the picture show it too.
        const SIZE size = pixels->SizeAt(dpi);
        const RECT area{left, top, left + size.cx, top + size.cy};
        RedrawWindow(hwnd_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }

    void Cls() override { Rebuild(); }

    HBRUSH InsideBrush() override { return surface_.Brush(); }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        LRESULT routed = 0;
        if (RouteToControl(hwnd, message, wParam, lParam, routed)) return routed;
        auto* peer = reinterpret_cast<PictureBoxPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        switch (message) {
        case WM_ERASEBKGND:
            // As for forms: only what a see-through child asks for.
            if (peer && WindowFromDC(reinterpret_cast<HDC>(wParam)) != hwnd)
                peer->surface_.PaintClip(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PRINTCLIENT:
            if (peer) peer->surface_.PaintClip(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            if (peer) peer->surface_.Paint(dc, paint.rcPaint);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_LBUTTONUP:
            if (peer) peer->box_.RaiseClick();
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
    }

private:
    void FitSurface() {
        RECT client;
        GetClientRect(hwnd_, &client);
        surface_.Resize(client.right, client.bottom);
    }

    void Rebuild() {
        if (!hwnd_) return;
        FitSurface();
        surface_.SetDpi(WindowDpi());
        surface_.SetBase(box_.Picture());
        surface_.Clear(box_.BackColor());
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }

    PictureBox& box_;
    Surface surface_;
};

}  // namespace

void RegisterPictureBoxClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PictureBoxPeer::Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPictureClass;
    RegisterClassExW(&windowClass);
}

}  // namespace forms::win32

std::unique_ptr<forms::Peer> forms::MakePeer(Backend& backend, PictureBox& box) {
    return win32::NewPeer<win32::PictureBoxPeer>(backend, box);
}

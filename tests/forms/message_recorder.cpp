#include "forms/message_recorder.h"

#include <commctrl.h>

#include <algorithm>

namespace forms::testing {

namespace {

const char* KnownName(UINT message) {
    switch (message) {
    case WM_SETTEXT: return "WM_SETTEXT";
    case WM_PAINT: return "WM_PAINT";
    case WM_ERASEBKGND: return "WM_ERASEBKGND";
    case WM_NCPAINT: return "WM_NCPAINT";
    case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
    case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
    case TVM_SETBKCOLOR: return "TVM_SETBKCOLOR";
    case TVM_SETTEXTCOLOR: return "TVM_SETTEXTCOLOR";
    case SB_SETTEXTW: return "SB_SETTEXTW";
    default: return nullptr;
    }
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const RecordedMessage& recorded) {
    out << recorded.window << ' ';
    if (const char* name = KnownName(recorded.message)) return out << name;
    return out << "message 0x" << std::hex << recorded.message << std::dec;
}

MessageRecorder::MessageRecorder(std::initializer_list<UINT> kinds) : kinds_(kinds) {}

MessageRecorder::~MessageRecorder() {
    for (const Watched& watched : watched_)
        if (IsWindow(watched.window))
            RemoveWindowSubclass(watched.window, Proc, reinterpret_cast<UINT_PTR>(this));
}

void MessageRecorder::Watch(HWND window, std::string name) {
    if (!window) return;
    watched_.push_back({window, std::move(name)});
    SetWindowSubclass(window, Proc, reinterpret_cast<UINT_PTR>(this),
                      reinterpret_cast<DWORD_PTR>(this));
}

std::vector<RecordedMessage> MessageRecorder::MessagesOf(const std::string& name) const {
    std::vector<RecordedMessage> got;
    for (const RecordedMessage& recorded : messages_)
        if (recorded.window == name) got.push_back(recorded);
    return got;
}

std::vector<RecordedMessage> Sequence(const std::string& window,
                                      std::initializer_list<UINT> messages) {
    std::vector<RecordedMessage> sequence;
    for (const UINT message : messages) sequence.push_back({window, message});
    return sequence;
}

LRESULT CALLBACK MessageRecorder::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<MessageRecorder*>(data);
    if (std::find(self->kinds_.begin(), self->kinds_.end(), message) != self->kinds_.end()) {
        for (const Watched& watched : self->watched_)
            if (watched.window == hwnd) self->messages_.push_back({watched.name, message});
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, Proc, id);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool QueueSettled() { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; }

}  // namespace forms::testing

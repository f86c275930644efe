// menu_reader.dll: loaded into the program under test by a WH_GETMESSAGE
// hook of the probe. On the request message it copies the menu bar of the
// window the message was posted to (or the picture of the control it was
// posted to) into the probe's shared memory.
#include "menu_reader.h"

namespace {

using namespace probe::menu_reader;

void Answer(HWND window, WPARAM processId, LPARAM request, bool picture) {
    wchar_t memoryName[96], eventName[96];
    SharedNames(static_cast<DWORD>(processId), request, memoryName, eventName);
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, memoryName);
    HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName);
    if (mapping && done) {
        if (auto* snapshot = static_cast<Snapshot*>(
                MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Snapshot)))) {
            if (picture)
                CopyPicture(window, *snapshot);
            else
                CopyMenuBar(window, *snapshot);
            UnmapViewOfFile(snapshot);
            SetEvent(done);
        }
    }
    if (done) CloseHandle(done);
    if (mapping) CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ReadMenuBarHook(int code, WPARAM removed,
                                                                  LPARAM parameter) {
    static const UINT request = RegisterWindowMessageW(kRequestMessage);
    static const UINT pictureRequest = RegisterWindowMessageW(kPictureRequestMessage);
    auto* message = reinterpret_cast<MSG*>(parameter);
    if (code == HC_ACTION && removed == PM_REMOVE &&
        (message->message == request || message->message == pictureRequest)) {
        Answer(message->hwnd, message->wParam, message->lParam, message->message == pictureRequest);
        // The program itself never sees the request.
        message->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removed, parameter);
}

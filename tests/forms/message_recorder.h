// A recorder of the messages that windows of this thread receive, for
// checks of the traffic the win32 backend causes, in the manner of Wine's
// message sequence tests: watch the windows, act, let the messages that
// this causes arrive, and compare what each window got with the sequence
// expected.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace forms::testing {

struct RecordedMessage {
    std::string window;  // the name it was watched under
    UINT message;
    bool operator==(const RecordedMessage&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RecordedMessage& recorded);

// Subclasses each watched window (until the recorder goes, or the window)
// and notes, in the order the window procedures get them, the messages of
// the kinds it was made for. Control windows only: the backend tells its
// form windows by their window procedure, which a subclass would hide.
class MessageRecorder {
public:
    explicit MessageRecorder(std::initializer_list<UINT> kinds);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Watch(HWND window, std::string name);
    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    // What the named window got, in order.
    std::vector<RecordedMessage> MessagesOf(const std::string& name) const;
    void Clear() { messages_.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR data);

    struct Watched {
        HWND window;
        std::string name;
    };
    std::vector<UINT> kinds_;
    std::vector<Watched> watched_;
    std::vector<RecordedMessage> messages_;
};

// The sequence of messages that window gets, to compare with the recorded one.
std::vector<RecordedMessage> Sequence(const std::string& window,
                                      std::initializer_list<UINT> messages);

// Whether nothing waits for this thread: no message in its queue and no
// window of it to be painted. Pumping until this holds lets every message
// arrive that what was done causes.
bool QueueSettled();

}  // namespace forms::testing

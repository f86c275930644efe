#include "support/wait.h"

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace test_support {

namespace {

// Lets a little time pass for the other side: on Windows handling what
// reaches the test thread's windows meanwhile.
void Pause(int milliseconds) {
#ifdef _WIN32
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds), QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
#endif
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        Pause(20);
    }
}

}  // namespace test_support

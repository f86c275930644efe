// Waiting for something another process or a window does: the condition is
// polled until it holds or the time is up; meanwhile the test thread's own
// window messages are handled (on Windows), so that its windows keep
// answering.
#pragma once

#include <functional>

namespace test_support {

// True as soon as condition holds; false after about timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 15000);

}  // namespace test_support

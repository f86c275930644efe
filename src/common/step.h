// "A failing step is skipped and the next one runs": each step of such a
// procedure is a lambda run by RunStep. A step fails by throwing, which the
// conversions' optional results do through value() and control arrays do
// through at(); RunStep swallows the failure so the caller goes on.
#pragma once

#include <utility>

namespace common {

template <class Step>
bool RunStep(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace common

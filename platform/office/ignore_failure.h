#pragma once
#include <utility>

#include "platform/office/host.h"

namespace office {

// For the routines that go on after a failed host call: the step is skipped and
// whatever it was assigning keeps its value. Returns whether the step succeeded.
template <typename Step>
bool ignoreFailure(Step&& step) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const HostError&) {
        return false;
    }
}

}  // namespace office

#include "platform/system/WorkAhead.h"

#include <future>
#include <utility>

namespace platform {

namespace {

std::future<void>& workAhead() {
    static std::future<void> work;
    return work;
}

} // namespace

void startWorkAhead(std::function<void()> work) {
    // At the program's own priority: the first frame waits for this work, and on a busy
    // machine a thread of the least priority gets a processor only after everything else does
    // (with both processors kept busy, the first frame came 0.4 s later).
    workAhead() = std::async(std::launch::async, std::move(work));
}

void waitForWorkAhead() {
    if (workAhead().valid()) workAhead().get();
}

} // namespace platform

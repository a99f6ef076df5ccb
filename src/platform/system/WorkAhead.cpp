#include "platform/system/WorkAhead.h"

#include "platform/system/ThreadPriority.h"

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
    workAhead() = std::async(std::launch::async, [work = std::move(work)] {
        yieldToTheWindow(); // it runs as the program waits for the X server
        work();
    });
}

void waitForWorkAhead() {
    if (workAhead().valid()) workAhead().get();
}

} // namespace platform

#include "platform/system/ThreadPriority.h"

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace platform {

void yieldToTheWindow() {
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19); // one thread, on Linux
#endif
}

} // namespace platform

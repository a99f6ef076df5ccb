// Start-up work the first frame needs but the main thread need not do itself (mapping the heap
// it builds, reading the font configuration), done on a thread of its own while the application
// object is made: the main thread mostly waits for the X server then.
#pragma once

#include <functional>

namespace platform {

// Starts `work` on a thread of its own. Once per process.
void startWorkAhead(std::function<void()> work);

// Waits until that work is done; at once when it is done or was never started.
void waitForWorkAhead();

} // namespace platform

// Background work during the start-up: a thread that loads or reads ahead yields the processor
// to the window coming up (and to the X server), and runs when they wait.
#pragma once

namespace platform {

// Lowers the calling thread's priority to the least (where the system has thread priorities
// of this kind; elsewhere nothing). Threads it starts from then on inherit that priority.
void yieldToTheWindow();

} // namespace platform

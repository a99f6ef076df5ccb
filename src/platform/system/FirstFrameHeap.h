// The heap the first frame builds, made ready ahead of it. Where a page fault is dear (in a
// virtual machine the first touch of a page can cost ten microseconds or more), the main thread
// would take one fault for every new page of the heap on its way to the first frame (about 250
// of them). Instead the allocator's heap grows by that much at once as the
// program starts, and another thread maps the new pages in one call while the main thread waits
// for the X server.
#pragma once

#include <cstddef>

namespace platform {

// What the first frame takes from the heap (about 0.95 MB, measured), rounded up.
constexpr std::size_t kFirstFrameHeapBytes = std::size_t{1} << 20;

// Free space at the top of the allocator's heap that nothing has touched yet.
struct HeapStretch {
    char* begin = nullptr;
    std::size_t size = 0;
};

// Grows the calling thread's heap by `bytes` of free space at its top and returns the whole
// pages of it. Called on the main thread before any other thread starts, so that the main
// thread's next allocations come from it. Empty where the allocator is not glibc's (a
// sanitizer's) or kept the block apart from its heap.
HeapStretch growHeapAhead(std::size_t bytes = kFirstFrameHeapBytes);

// Maps the stretch's pages in one call, from any thread; what is in them stays as it is, so the
// main thread may already be allocating there. Returns whether the system did it (Linux 5.14
// and later do).
bool faultInAhead(const HeapStretch& stretch);

} // namespace platform

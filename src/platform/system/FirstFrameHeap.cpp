#include "platform/system/FirstFrameHeap.h"

#include <cstdint>
#include <cstdlib>
#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

#if defined(__linux__) && defined(__GLIBC__)
// Keeps the compiler from dropping an allocation that is freed unused.
void keep(void* pointer) {
    asm volatile("" : : "r"(pointer) : "memory");
}

std::uintptr_t pageSize() {
    return static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
}
#endif

} // namespace

HeapStretch growHeapAhead(std::size_t bytes) {
#if defined(__linux__) && defined(__GLIBC__)
    // glibc maps a block this large on its own, not from the heap, until it frees such a
    // block: then blocks up to the freed size come from the heap, and the heap keeps up to
    // twice that free at its top (the dynamic thresholds of mallopt(3)). A program reaches that
    // state at its first large picture; here it comes first.
    void* mapped = std::malloc(bytes + 2 * pageSize());
    keep(mapped);
    std::free(mapped);
    void* block = std::malloc(bytes); // the heap grows at its top by this much
    keep(block);
    std::free(block); // and it goes back into the top untouched but for its header
    const std::size_t top = mallinfo2().keepcost;
    if (!block || top < bytes) return {}; // not glibc's heap at work
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t begin = (end - top + pageSize() - 1) & ~(pageSize() - 1);
    if (begin >= end) return {};
    return {reinterpret_cast<char*>(begin), static_cast<std::size_t>(end - begin)};
#else
    (void)bytes;
    return {};
#endif
}

bool faultInAhead(const HeapStretch& stretch) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    if (stretch.size == 0) return false;
    return madvise(stretch.begin, stretch.size, MADV_POPULATE_WRITE) == 0;
#else
    (void)stretch;
    return false;
#endif
}

} // namespace platform

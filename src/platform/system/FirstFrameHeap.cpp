#include "platform/system/FirstFrameHeap.h"

#include <cstdint>
#include <cstdlib>
#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

// A sanitizer's allocator stands in for glibc's, which mallinfo2 goes on describing.
#if defined(__SANITIZE_ADDRESS__)
#define BRAINLOCK_FOREIGN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) ||                         \
    __has_feature(thread_sanitizer)
#define BRAINLOCK_FOREIGN_ALLOCATOR 1
#endif
#endif

namespace platform {

namespace {

#if defined(__linux__) && defined(__GLIBC__) && !defined(BRAINLOCK_FOREIGN_ALLOCATOR)
// Keeps the compiler from dropping an allocation that is freed unused.
void keep(void* pointer) {
    asm volatile("" : : "r"(pointer) : "memory");
}

std::uintptr_t pageSize() {
    return static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
}

std::size_t blocksMappedApart() {
    return mallinfo2().hblks;
}
#endif

} // namespace

HeapStretch growHeapAhead(std::size_t bytes) {
#if defined(__linux__) && defined(__GLIBC__) && !defined(BRAINLOCK_FOREIGN_ALLOCATOR)
    // glibc maps a block this large apart from the heap until it frees such a block: then
    // blocks up to the freed size come from the heap, and the heap keeps up to twice that free
    // at its top (the dynamic thresholds of mallopt(3)). A program reaches that state at its
    // first large picture; here it comes first.
    void* apart = std::malloc(bytes + 2 * pageSize());
    keep(apart);
    std::free(apart);
    const std::size_t mappedBefore = blocksMappedApart();
    void* block = std::malloc(bytes); // the heap grows at its top by this much
    const bool fromTheHeap = block && blocksMappedApart() == mappedBefore;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    keep(block);
    std::free(block); // and it goes back into the top, untouched but for its header
    if (!fromTheHeap) return {};
    const std::uintptr_t begin = (start + pageSize() - 1) & ~(pageSize() - 1);
    const std::uintptr_t end = (start + bytes) & ~(pageSize() - 1);
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

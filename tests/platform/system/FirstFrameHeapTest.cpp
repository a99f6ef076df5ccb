// The first frame's heap, in a process of its own built without sanitizers: the allocator
// under test is glibc's, fresh as at a program's start.
#include "platform/system/FirstFrameHeap.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

std::size_t residentPages(const platform::HeapStretch& stretch) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> flags((stretch.size + page - 1) / page);
    if (mincore(stretch.begin, stretch.size, flags.data()) != 0) return 0;
    std::size_t resident = 0;
    for (const unsigned char flag : flags)
        resident += flag & 1;
    return resident;
}

// The stretch is fresh heap at the heap's top, mapped in one call; the next allocations that
// find no freed block to reuse land in it, without growing the heap; it stays mapped as they
// are freed.
TEST(FirstFrameHeap, IsWhereTheNextAllocationsLandMappedAhead) {
    const platform::HeapStretch stretch = platform::growHeapAhead();
    ASSERT_NE(stretch.begin, nullptr);
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(stretch.begin) % page, 0U);
    EXPECT_GE(stretch.size, platform::kFirstFrameHeapBytes);
    const std::size_t pages = stretch.size / page;
    EXPECT_LE(residentPages(stretch), 2U) << "of " << pages << " pages, touched before";

    if (!platform::faultInAhead(stretch)) GTEST_SKIP() << "no MADV_POPULATE_WRITE, errno " << errno;
    EXPECT_EQ(residentPages(stretch), pages);

    std::vector<void*> blocks;
    std::size_t inStretch = 0;
    for (std::size_t taken = 0; taken + 16 * 1024 < platform::kFirstFrameHeapBytes;
         taken += 8 * 1024 + 16) {
        blocks.push_back(std::malloc(8 * 1024));
        const auto* block = static_cast<const char*>(blocks.back());
        EXPECT_LT(block, stretch.begin + stretch.size) << "beyond the stretch";
        inStretch += block >= stretch.begin;
    }
    EXPECT_EQ(static_cast<char*>(sbrk(0)), stretch.begin + stretch.size) << "the heap grew";
    EXPECT_GT(inStretch, blocks.size() / 2);
    for (void* block : blocks)
        std::free(block);
    EXPECT_EQ(residentPages(stretch), pages) << "given back as the blocks were freed";
}

} // namespace

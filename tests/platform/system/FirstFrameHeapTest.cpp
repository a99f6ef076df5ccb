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

const auto kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));

std::size_t residentPages(const platform::HeapStretch& stretch) {
    std::vector<unsigned char> flags((stretch.size + kPage - 1) / kPage);
    if (mincore(stretch.begin, stretch.size, flags.data()) != 0) return 0;
    std::size_t resident = 0;
    for (const unsigned char flag : flags)
        resident += flag & 1;
    return resident;
}

// As the program starts: the stretch is fresh heap, mapped in one call; small blocks worth most
// of it mostly land in it (some may reuse blocks freed before) without the heap growing
// further, and it stays mapped as they are freed.
TEST(FirstFrameHeap, IsWhereTheNextAllocationsLandMappedAhead) {
    const platform::HeapStretch stretch = platform::growHeapAhead();
    ASSERT_NE(stretch.begin, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(stretch.begin) % kPage, 0U);
    EXPECT_GT(stretch.size, platform::kFirstFrameHeapBytes - 2 * kPage);
    const std::size_t pages = stretch.size / kPage;
    EXPECT_LE(residentPages(stretch), 1U) << "of " << pages << " pages, touched before";

    if (!platform::faultInAhead(stretch)) {
        ASSERT_EQ(errno, EINVAL) << "the stretch could not be mapped";
        GTEST_SKIP() << "a system without MADV_POPULATE_WRITE";
    }
    EXPECT_EQ(residentPages(stretch), pages);

    const void* breakBefore = sbrk(0);
    std::vector<void*> blocks;
    std::size_t inStretch = 0;
    for (std::size_t taken = 0; taken + 16 * 1024 < stretch.size; taken += 8 * 1024 + 16) {
        blocks.push_back(std::malloc(8 * 1024));
        const auto* block = static_cast<const char*>(blocks.back());
        inStretch += block >= stretch.begin && block < stretch.begin + stretch.size;
    }
    EXPECT_GT(inStretch, blocks.size() / 2) << "of " << blocks.size() << " blocks";
    EXPECT_EQ(sbrk(0), breakBefore) << "the heap grew";
    for (void* block : blocks)
        std::free(block);
    EXPECT_EQ(residentPages(stretch), pages) << "given back as the blocks were freed";
}

} // namespace

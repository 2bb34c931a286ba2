// The heap hands large blocks back when they are freed, also after the first one.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>

#include "platform/memoryuse.h"

namespace {

TEST(MemoryUse, PictureSizedBlocksHaveTheirOwnMappingEveryTime) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer's allocator stands in for the C library's heap";
#endif
    ReturnLargeBlocksWhenFreed();
    constexpr size_t kPicture = 640 * 480 * 3;
    for (int round = 0; round < 3; ++round) {
        const size_t mappedBefore = mallinfo2().hblkhd;
        void* block = std::malloc(kPicture);
        ASSERT_NE(block, nullptr);
        std::memset(block, round, kPicture);
        EXPECT_GE(mallinfo2().hblkhd, mappedBefore + kPicture) << "round " << round;
        std::free(block);
        EXPECT_EQ(mallinfo2().hblkhd, mappedBefore) << "round " << round;
    }
}

}  // namespace

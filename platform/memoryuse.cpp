#include "platform/memoryuse.h"

#include <malloc.h>

namespace {

constexpr int kOwnMappingBytes = 256 * 1024;

}  // namespace

void ReturnLargeBlocksWhenFreed() {
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
    // One heap for all threads: the picture worker and the audio thread allocate little, and an
    // arena of their own would keep its freed pages resident beside the main heap's.
    mallopt(M_ARENA_MAX, 1);
}

#include "platform/memoryuse.h"

#include <malloc.h>

namespace {

constexpr int kOwnMappingBytes = 256 * 1024;

}  // namespace

void ReturnLargeBlocksWhenFreed() { mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes); }

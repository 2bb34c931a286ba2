// A libFuzzer program for one reader, chosen when it is built. A broken result stops the run
// like a crash, so libFuzzer keeps the input.
#include <cstdlib>
#include <cstring>

#include "fuzz/entries/fuzzentries.h"

namespace {

bool (*entryNamed(const char* name))(const uint8_t*, size_t) {
    for (const FuzzEntry& entry : kFuzzEntries)
        if (std::strcmp(entry.name, name) == 0) return entry.run;
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto run = entryNamed(FERN_FUZZ_TARGET);
    if (!run(data, size)) std::abort();
    return 0;
}

// The libFuzzer entry of one target, named by SCOLIVET_FUZZ_TARGET: a broken
// property stops the run like a crash, so that the input is kept.
#include "fuzz/FuzzTargets.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string fault =
        SCOLIVET_FUZZ_TARGET(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

#include "data/HugePages.h"
#include <cstdint>
#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

void AdviseHugePages(void *data, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t Huge = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (start + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t end = (start + bytes) & ~(Huge - 1);
    // Advice only: when refused, the memory works as before.
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

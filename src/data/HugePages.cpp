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
    const std::uintptr_t hugeBegin = (start + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t hugeEnd = (start + bytes) & ~(Huge - 1);
    // Advice only: when refused, the memory works as before.
    if (hugeEnd > hugeBegin)
        madvise(reinterpret_cast<void *>(hugeBegin), hugeEnd - hugeBegin, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    // One call maps every page instead of one fault per page on first write.
    constexpr std::uintptr_t Page = 4096;
    const std::uintptr_t pageBegin = (start + Page - 1) & ~(Page - 1);
    const std::uintptr_t pageEnd = (start + bytes) & ~(Page - 1);
    if (pageEnd > pageBegin)
        madvise(reinterpret_cast<void *>(pageBegin), pageEnd - pageBegin, MADV_POPULATE_WRITE);
#endif
#else
    (void)data;
    (void)bytes;
#endif
}

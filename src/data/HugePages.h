#pragma once
// Large sample arrays and file buffers are written once, right after being
// allocated. Backing them with huge pages, where the system allows it, spares
// tens of thousands of page faults on a large import.
#include <cstddef>
#include <vector>

// Asks for huge pages over the whole 2 MiB blocks of a fresh, untouched block.
void AdviseHugePages(void *data, std::size_t bytes);

// Makes room for n samples without touching them; large arrays are advised.
template <typename T> void ReserveSamples(std::vector<T> &samples, std::size_t n)
{
    if (n <= samples.capacity())
        return;
    samples.reserve(n);
    if (n * sizeof(T) >= (std::size_t(256) << 10))
        AdviseHugePages(samples.data() + samples.size(), (n - samples.size()) * sizeof(T));
}

// Resizes a sample array as std::vector::resize does (new elements zero).
template <typename T> void ResizeSamples(std::vector<T> &samples, int n)
{
    const std::size_t count = n > 0 ? std::size_t(n) : 0;
    ReserveSamples(samples, count);
    samples.resize(count);
}

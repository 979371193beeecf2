// links: scolivet_data
// The floor for reading a simulator graph export: one read of the whole
// file, lines and cells split by hand, numbers by std::from_chars into one
// vector per column sized from a count of the lines, nothing else (no names,
// kinds or checks). Large blocks get the same huge-page advice as the
// application's reader. Compare it with isis_import on the same file.
//   isis_floor FILE
#include "data/HugePages.h"
#include "data/IsisText.h"
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

void ParseRows(const char *p, const char *end, std::vector<std::vector<double>> &columns)
{
    while (p != end) {
        const char *lineEnd = LineEnd(p, end);
        for (std::vector<double> &column : columns) {
            const char *cell = p;
            while (p != lineEnd && *p != ',')
                ++p;
            double v = 0.0;
            if (cell != p && *cell == '"')
                v = double(static_cast<unsigned char>(cell[1]));
            else
                std::from_chars(cell, p, v);
            column.push_back(v);
            if (p != lineEnd)
                ++p;
        }
        p = SkipLineBreak(lineEnd, end);
    }
}

// The whole file in one uninitialised buffer with huge-page advice; null
// when it cannot be opened.
std::unique_ptr<char[]> ReadWhole(const char *path, std::size_t &size)
{
    std::FILE *f = std::fopen(path, "rb");
    if (!f)
        return nullptr;
    std::fseek(f, 0, SEEK_END);
    const auto length = std::size_t(std::max(std::ftell(f), 0L));
    std::fseek(f, 0, SEEK_SET);
    std::unique_ptr<char[]> buffer(new char[length]);
    AdviseHugePages(buffer.get(), length);
    size = std::fread(buffer.get(), 1, length, f);
    std::fclose(f);
    return buffer;
}

// One column per cell of line 2, each reserved for every line.
std::vector<std::vector<double>> ReadColumns(const char *begin, const char *end)
{
    const char *line2 = SkipLineBreak(LineEnd(begin, end), end);
    std::size_t count = 1;
    for (const char *p = line2; p != LineEnd(line2, end); ++p)
        count += *p == ',';
    const auto rows = std::size_t(std::count(line2, end, '\n'));
    std::vector<std::vector<double>> columns(count);
    for (std::vector<double> &column : columns) {
        column.reserve(rows);
        AdviseHugePages(column.data(), rows * sizeof(double));
    }
    ParseRows(line2, end, columns);
    return columns;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: isis_floor FILE\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::size_t size = 0;
    const std::unique_ptr<char[]> buffer = ReadWhole(argv[1], size);
    if (!buffer)
        return 1;
    const std::vector<std::vector<double>> columns = ReadColumns(buffer.get(), buffer.get() + size);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    for (std::size_t c = 0; c < columns.size(); ++c) {
        double sum = 0.0;
        for (double v : columns[c])
            sum += v;
        std::printf("%zu\t%zu\t%.17g\n", c, columns[c].size(), sum);
    }
    std::printf("rows=%zu series=%zu bytes=%zu seconds=%.6f MBps=%.1f\n", columns[0].size(),
                columns.size(), size, elapsed.count(), double(size) / 1e6 / elapsed.count());
    return 0;
}

// links: scolivet_data
// The floor for reading a simulator graph export: one read of the whole
// file, lines and cells split by hand, numbers by std::from_chars into one
// vector per column sized from a count of the lines, nothing else (no names,
// kinds or checks). Large blocks get the same huge-page advice as the
// application's reader. Compare it with isis_import on the same file.
//   isis_floor FILE
#include "data/HugePages.h"
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

const char *LineEnd(const char *p, const char *end)
{
    while (p != end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

const char *NextLine(const char *p, const char *end)
{
    if (p != end && *p == '\r')
        ++p;
    if (p != end && *p == '\n')
        ++p;
    return p;
}

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
        p = NextLine(lineEnd, end);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: isis_floor FILE\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::FILE *f = std::fopen(argv[1], "rb");
    if (!f)
        return 1;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    std::unique_ptr<char[]> buffer(new char[std::size_t(size)]);
    AdviseHugePages(buffer.get(), std::size_t(size));
    const std::size_t got = std::fread(buffer.get(), 1, std::size_t(size), f);
    std::fclose(f);

    const char *end = buffer.get() + got;
    const char *line2 = NextLine(LineEnd(buffer.get(), end), end);
    std::size_t count = 1;
    for (const char *p = line2; p != LineEnd(line2, end); ++p)
        count += *p == ',';
    const auto rows = std::count(line2, end, '\n');
    std::vector<std::vector<double>> columns(count);
    for (std::vector<double> &column : columns) {
        column.reserve(std::size_t(rows));
        AdviseHugePages(column.data(), std::size_t(rows) * sizeof(double));
    }
    ParseRows(line2, end, columns);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    for (std::size_t c = 0; c < columns.size(); ++c) {
        double sum = 0.0;
        for (double v : columns[c])
            sum += v;
        std::printf("%zu\t%zu\t%.17g\n", c, columns[c].size(), sum);
    }
    std::printf("rows=%zu series=%zu bytes=%ld seconds=%.6f MBps=%.1f\n", columns[0].size(),
                columns.size(), size, elapsed.count(), double(size) / 1e6 / elapsed.count());
    return 0;
}

// links: scolivet_data
// Writes a SPICE raw file in the layout ngspice uses, for the benchmarks: a
// transient analysis of POINTS points, time and VECTORS - 1 waveforms (a
// damped sine, a square wave, a ramp, ...), as little-endian doubles point
// after point, or with "ascii" as text ("Values:", 16 significant digits).
// Deterministic: the same arguments give the same bytes.
//   gen_raw POINTS VECTORS OUT [ascii]
// For example gen_raw 10000000 4 /tmp/raw-10M.raw (320 MB of samples).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace
{

double Wave(int vector, double t)
{
    switch (vector % 3) {
    case 1:
        return 5 * std::exp(-t * 200) * std::sin(2 * M_PI * 1000 * t);
    case 2:
        return std::fmod(t * 500, 1.0) < 0.5 ? 3.3 : 0.0;
    default:
        return 1e-3 * std::fmod(t * 250, 1.0);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4 && !(argc == 5 && std::string_view(argv[4]) == "ascii")) {
        std::fprintf(stderr, "usage: gen_raw POINTS VECTORS OUT [ascii]\n");
        return 2;
    }
    const long long points = std::atoll(argv[1]);
    const int vectors = std::atoi(argv[2]);
    std::FILE *out = std::fopen(argv[3], "wb");
    if (points <= 0 || vectors < 2 || !out) {
        std::fprintf(stderr, "gen_raw: bad arguments or cannot write %s\n", argv[3]);
        return 2;
    }
    std::fprintf(out,
                 "Title: benchmark\nDate: Thu Jan  1 00:00:00  1970\n"
                 "Plotname: Transient Analysis\nFlags: real\nNo. Variables: %d\n"
                 "No. Points: %lld\nVariables:\n\t0\ttime\ttime\n",
                 vectors, points);
    for (int v = 1; v < vectors; ++v)
        std::fprintf(out, "\t%d\tv(n%d)\t%s\n", v, v, v % 3 == 0 ? "current" : "voltage");
    const bool text = argc == 5;
    std::fprintf(out, text ? "Values:\n" : "Binary:\n");
    std::vector<double> record(static_cast<std::size_t>(vectors));
    const double step = 1e-2 / double(points);
    for (long long i = 0; i < points; ++i) {
        const double t = double(i) * step;
        record[0] = t;
        for (int v = 1; v < vectors; ++v)
            record[std::size_t(v)] = Wave(v, t);
        if (!text) {
            std::fwrite(record.data(), sizeof(double), record.size(), out);
            continue;
        }
        std::fprintf(out, " %lld", i);
        for (const double v : record)
            std::fprintf(out, "\t%.15e\n", v);
        std::fprintf(out, "\n");
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

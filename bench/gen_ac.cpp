// links: scolivet_data
// Writes a SPICE raw file in the layout ngspice uses for an AC analysis, for
// the benchmarks: POINTS frequencies from 10 Hz to 10 MHz, spread evenly over
// the decades (or over the hertz with "linear"), and the outputs of VECTORS
// cascaded RC low-passes of 1.59 kHz, v(1) = 1 / (1 + jf/fc) to v(n) =
// 1 / (1 + jf/fc)^n, every value (the frequency too) as two little-endian
// doubles. Deterministic: the same arguments give the same bytes.
//   gen_ac POINTS VECTORS OUT [linear]
// For example gen_ac 100000 2 /tmp/ac-log.raw (4.8 MB).
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 4 && !(argc == 5 && std::string_view(argv[4]) == "linear")) {
        std::fprintf(stderr, "usage: gen_ac POINTS VECTORS OUT [linear]\n");
        return 2;
    }
    const long long points = std::atoll(argv[1]);
    const int vectors = std::atoi(argv[2]);
    std::FILE *out = std::fopen(argv[3], "wb");
    if (points < 2 || vectors < 1 || !out) {
        std::fprintf(stderr, "gen_ac: bad arguments or cannot write %s\n", argv[3]);
        return 2;
    }
    std::fprintf(out,
                 "Title: benchmark\nDate: Thu Jan  1 00:00:00  1970\n"
                 "Plotname: AC Analysis\nFlags: complex\nNo. Variables: %d\n"
                 "No. Points: %lld\nVariables:\n\t0\tfrequency\tfrequency grid=3\n",
                 vectors + 1, points);
    for (int v = 1; v <= vectors; ++v)
        std::fprintf(out, "\t%d\tv(%d)\tvoltage\n", v, v);
    std::fprintf(out, "Binary:\n");
    const bool linear = argc == 5;
    constexpr double first = 10, last = 1e7, corner = 1591.549;
    std::vector<double> record(std::size_t(2 * (vectors + 1)), 0.0);
    for (long long i = 0; i < points; ++i) {
        const double at = double(i) / double(points - 1);
        const double f = linear ? first + (last - first) * at : first * std::pow(last / first, at);
        record[0] = f;
        const std::complex<double> stage = 1.0 / std::complex<double>(1.0, f / corner);
        std::complex<double> h = 1.0;
        for (int v = 1; v <= vectors; ++v) {
            h *= stage;
            record[std::size_t(2 * v)] = h.real();
            record[std::size_t(2 * v + 1)] = h.imag();
        }
        std::fwrite(record.data(), sizeof(double), record.size(), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

#include "graphs/AxisTicks.h"

#include "data/EngNumbers.h"
#include "graphs/Graduations.h"
#include <algorithm>
#include <cmath>

namespace
{

std::vector<TTick> linearTicks(double lo, double hi, double step, double autoStep)
{
    const TGraduations g = ChooseGraduations(lo, hi, step, autoStep);
    const double resolution = Resolution(g.Step);
    std::vector<TTick> ticks;
    ticks.reserve(std::size_t(g.Count()));
    for (long long k = g.First; k <= g.Last; ++k) {
        if (k == 0)
            continue;
        const double v = double(k) * g.Step;
        ticks.push_back({v, FormatEng(v, resolution), true});
    }
    return ticks;
}

// Whether a scale from a to b (logarithms) spans at most three decades,
// allowing for the error of the logarithms.
bool fewDecades(double a, double b)
{
    return b - a <= 3 + 1e-9;
}

} // namespace

std::vector<TTick> AxisTicks(const TAxisMap &map, double step, double autoStep)
{
    if (!map.Log)
        return linearTicks(map.Min, map.Max, step, autoStep);
    const double lo = std::min(map.Min, map.Max), hi = std::max(map.Min, map.Max);
    const double a = std::log10(lo), b = std::log10(hi);
    if (!std::isfinite(a) || !std::isfinite(b))
        return {};
    const double widen = (b - a) / 1000;
    const double low = std::pow(10.0, a - widen), high = std::pow(10.0, b + widen);
    auto inside = [&](double v) { return low <= v && v <= high; };
    const int first = int(std::floor(a - widen)), last = int(std::floor(b + widen));
    int decades = 0;
    for (int k = first; k <= last; ++k)
        decades += inside(Pow10(k)) ? 1 : 0;
    if (decades < 2)
        return linearTicks(lo, hi, step, autoStep);
    const bool minorGrid = fewDecades(a, b);
    std::vector<TTick> ticks;
    for (int k = first; k <= last; ++k) {
        const double d = Pow10(k);
        if (!(d > 0))
            continue;
        if (inside(d))
            ticks.push_back({d, FormatEng(d, d), true});
        for (int m = 2; m <= 9; ++m)
            if (inside(m * d))
                ticks.push_back({m * d, QString(), minorGrid});
    }
    return ticks;
}

#include "data/SpiceRawSteps.h"
#include "data/HugePages.h"
#include <algorithm>
#include <span>

namespace
{

using Run = std::span<const double>;

std::vector<Run> Runs(const std::vector<double> &column, const std::vector<std::size_t> &starts)
{
    std::vector<Run> runs;
    for (std::size_t s = 0; s < starts.size(); ++s) {
        const std::size_t end = s + 1 < starts.size() ? starts[s + 1] : column.size();
        runs.emplace_back(column.data() + starts[s], end - starts[s]);
    }
    return runs;
}

bool SameAbscissas(const std::vector<Run> &runs)
{
    return std::all_of(runs.begin(), runs.end(), [&](Run r) {
        return std::equal(r.begin(), r.end(), runs.front().begin(), runs.front().end());
    });
}

// Every abscissa of every run once, in order; a value that a run holds k
// times in a row appears k times. Each value is paired with its rank among
// the equal values of its run, so that sorting the pairs of all runs and
// keeping each pair once gives that union.
std::vector<double> Union(const std::vector<Run> &runs)
{
    std::vector<std::pair<double, std::size_t>> ranked;
    for (const Run run : runs) {
        for (std::size_t i = 0; i < run.size(); ++i) {
            const std::size_t rank = i > 0 && run[i] == run[i - 1] ? ranked.back().second + 1 : 0;
            ranked.emplace_back(run[i], rank);
        }
    }
    std::sort(ranked.begin(), ranked.end());
    ranked.erase(std::unique(ranked.begin(), ranked.end()), ranked.end());
    std::vector<double> merged;
    ResizeSamples(merged, int(ranked.size()));
    std::transform(ranked.begin(), ranked.end(), merged.begin(),
                   [](const std::pair<double, std::size_t> &p) { return p.first; });
    return merged;
}

// A run's values at the abscissas xs, drawn as its curve draws them.
std::vector<double> Resample(Run x, Run y, const std::vector<double> &xs)
{
    std::vector<double> out;
    ResizeSamples(out, int(xs.size()));
    std::size_t j = 0;
    for (std::size_t u = 0; u < xs.size(); ++u) {
        const double t = xs[u];
        while (j < x.size() && x[j] < t)
            ++j;
        if (j < x.size() && x[j] == t) {
            out[u] = y[j];
            if (j + 1 < x.size() && x[j + 1] == t)
                ++j;
        } else if (j == 0 || j == x.size()) {
            out[u] = TColumnSink::Gap;
        } else {
            const double f = (t - x[j - 1]) / (x[j] - x[j - 1]);
            out[u] = y[j - 1] + (y[j] - y[j - 1]) * f;
        }
    }
    return out;
}

std::vector<double> Slice(Run run)
{
    std::vector<double> out;
    ResizeSamples(out, int(run.size()));
    std::copy(run.begin(), run.end(), out.begin());
    return out;
}

bool Rising(Run run)
{
    return std::all_of(run.begin(), run.end(), [](double v) { return !std::isnan(v); }) &&
           std::is_sorted(run.begin(), run.end());
}

} // namespace

std::vector<std::size_t> RunStarts(const std::vector<double> &abscissa)
{
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 1; i < abscissa.size(); ++i) {
        if (abscissa[i] == abscissa.front())
            starts.push_back(i);
    }
    return starts;
}

bool SpreadRuns(TRawColumns &columns, std::size_t width, const std::vector<std::size_t> &starts,
                std::uint64_t limit, QString &why)
{
    const std::vector<Run> axisRuns = Runs(columns.front(), starts);
    const bool shared = SameAbscissas(axisRuns);
    if (!shared && !std::all_of(axisRuns.begin(), axisRuns.end(), Rising)) {
        why = QStringLiteral("Les %1 pas n'ont pas les mêmes abscisses et l'une d'elles ne croît "
                             "pas : ils ne peuvent pas partager un axe.")
                  .arg(starts.size());
        return false;
    }
    std::vector<double> axis = shared ? Slice(axisRuns.front()) : Union(axisRuns);
    const std::uint64_t count = 1 + (columns.size() - 1) * starts.size();
    if (axis.size() > limit / count) {
        why = QStringLiteral("Les %1 pas réunis sur un même axe feraient plus de %2 valeurs.")
                  .arg(starts.size())
                  .arg(limit);
        return false;
    }
    TRawColumns spread;
    spread.reserve(count);
    spread.push_back(std::move(axis));
    for (std::size_t first = 1; first < columns.size(); first += width) {
        const std::size_t last = std::min(first + width, columns.size());
        std::vector<std::vector<Run>> parts;
        for (std::size_t c = first; c < last; ++c)
            parts.push_back(Runs(columns[c], starts));
        for (std::size_t s = 0; s < starts.size(); ++s) {
            for (const std::vector<Run> &part : parts)
                spread.push_back(shared ? Slice(part[s])
                                        : Resample(axisRuns[s], part[s], spread.front()));
        }
    }
    columns = std::move(spread);
    return true;
}

#include "graphs/AxisTicks.h"

#include <gtest/gtest.h>

namespace
{

TAxisMap logMap(double lo, double hi)
{
    return TAxisMap::Make(0, 3000, 1, 0.1, lo, hi, true);
}

std::vector<QString> labels(const std::vector<TTick> &ticks)
{
    std::vector<QString> out;
    for (const TTick &t : ticks)
        if (!t.Text.isEmpty())
            out.push_back(t.Text);
    return out;
}

struct LogCase {
    const char *what;
    double lo, hi;
    std::vector<QString> labels;
    int ticks;       // labelled and unlabelled
    int gridLines;
};

TEST(AxisTicks, LogarithmicScalesMarkTheirDecades)
{
    const LogCase cases[] = {
        {"one decade", 10, 100, {"10", "100"}, 10, 10},
        {"three decades, the ticks between on the grid",
         1, 1000, {"1", "10", "100", "1k"}, 28, 28},
        {"a hair over three: the grid keeps to the decades", 1, 1000.5,
         {"1", "10", "100", "1k"}, 28, 4},
        {"twelve decades", 1, 1e12,
         {"1", "10", "100", "1k", "10k", "100k", "1M", "10M", "100M", "1G", "10G", "100G", "1T"},
         109, 13},
        {"from 10^-15", 1e-15, 1e-12, {"1f", "10f", "100f", "1p"}, 28, 28},
        {"ends between decades", 3, 3000, {"10", "100", "1k"}, 28, 28},
        {"within a thousandth of a decade of the ends", 1.001, 999, {"1", "10", "100", "1k"}, 28, 28},
        {"an AC sweep", 10, 1e6, {"10", "100", "1k", "10k", "100k", "1M"}, 46, 6},
    };
    for (const LogCase &c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<TTick> ticks = AxisTicks(logMap(c.lo, c.hi), 1, 1);
        EXPECT_EQ(labels(ticks), c.labels);
        EXPECT_EQ(int(ticks.size()), c.ticks);
        EXPECT_EQ(std::count_if(ticks.begin(), ticks.end(), [](const TTick &t) { return t.Grid; }),
                  c.gridLines);
        EXPECT_TRUE(std::is_sorted(ticks.begin(), ticks.end(),
                                   [](const TTick &a, const TTick &b) { return a.Value < b.Value; }));
    }
}

TEST(AxisTicks, LessThanTwoDecadesGetLinearGraduations)
{
    // 1 to 1,5: the automatic step 0,1 (or the one given), each on the grid.
    const std::vector<TTick> automatic = AxisTicks(logMap(1, 1.5), 0, 0.1);
    EXPECT_EQ(labels(automatic),
              (std::vector<QString>{"1,0", "1,1", "1,2", "1,3", "1,4", "1,5"}));
    EXPECT_TRUE(std::all_of(automatic.begin(), automatic.end(), [](const TTick &t) { return t.Grid; }));
    EXPECT_EQ(labels(AxisTicks(logMap(2, 9), 1, 1)).size(), 8u);
    // The same limits on a linear scale, and a logarithmic one whose limits
    // are not above zero, which is laid out linearly.
    EXPECT_EQ(AxisTicks(TAxisMap::Make(0, 3000, 1, 0.1, 1, 1.5, false), 0, 0.1), automatic);
    EXPECT_EQ(labels(AxisTicks(TAxisMap::Make(0, 3000, 1, 0.1, -1, 1, true), 0.5, 1)),
              (std::vector<QString>{"-1,0", "-500m", "500m", "1,0"}));
}

TEST(AxisTicks, WholeRangeOfTheDoublesStaysBounded)
{
    const std::vector<TTick> ticks = AxisTicks(logMap(5e-324, 1.7e308), 1, 1);
    EXPECT_EQ(labels(ticks).front(), "10e-324");
    EXPECT_EQ(labels(ticks).back(), "100e306");
    EXPECT_LT(ticks.size(), 6000u);
}

} // namespace

#include "graphs/ColumnFinder.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace
{

// The finder answers exactly what the mapping gives, for values that creep
// up by less than a column, jump back, or fall on column edges.
TEST(ColumnFinder, AgreesWithTheMapping)
{
    const TAxisMap maps[] = {{0, 3000, 1, 0.1, 0, 10},
                             {250, 1002, 1, 0.25, -1e-6, 3e-6},
                             {0, 2000, 1, 0.1, 1e9, 1e9 + 1},
                             {0, 3000, 1, 0.1, 10, 0}};
    QRandomGenerator rng(11);
    for (const TAxisMap &m : maps) {
        TColumnFinder finder(m);
        const double span = m.Max - m.Min;
        double v = m.Min - span * 0.2;
        for (int i = 0; i < 200000; ++i) {
            if (rng.bounded(1000) == 0)
                v -= span * rng.bounded(0.1);
            else
                v += span * rng.bounded(2e-5);
            ASSERT_EQ(finder.ToPage(v), m.ToPage(v)) << i;
            ASSERT_EQ(finder.ToPageClipped(v), m.ToPageClipped(v)) << i;
        }
        // Around the exact edges between columns.
        for (int c = 400; c < 420; ++c) {
            const double edge =
                m.Min + ((c - m.Start + 0.5) / m.Length - m.M) * span / (1 - 2 * m.M);
            for (double e : {std::nextafter(edge, -1e300), edge, std::nextafter(edge, 1e300)})
                EXPECT_EQ(finder.ToPage(e), m.ToPage(e));
        }
    }
}

} // namespace

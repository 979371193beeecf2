#include "support/OscRecords.h"

#include "data/UData.h"
#include "page/OscImport.h"
#include "page/TIsisGraph.h"
#include "support/ScriptedPrompts.h"
#include <QStringList>
#include <gtest/gtest.h>

namespace
{

using Records = std::array<const TChannelData *, OscChannels.size()>;

TEST(OscImportTest, SeriesFollowTheChannelTable)
{
    const TChannelData ch1 = ChannelRecord("CH1", 0.02, 128, {}, 4);
    const TChannelData ch3 = ChannelRecord("CH3", 0.02, 128, {}, 4);
    TChannelData hidden = ch1;
    hidden.Present = false;
    const struct {
        const char *unit;
        bool xy;
        QStringList names;
    } cases[] = {{"s", false, {"t", "CH1", "CH3"}},
                 {"Hz", false, {"f", "CH1", "CH3"}},
                 {"s", true, {"CH1", "CH3"}}};
    for (const auto &c : cases) {
        const TDatas d =
            OscSeries(TimeBaseRecord(4, 1e-3, c.unit), c.xy,
                      Records{&ch1, &hidden, &ch3, nullptr, nullptr, nullptr, nullptr});
        QStringList names;
        for (int i = 0; i < d.Count(); ++i)
            names << d.Item(i)->Name;
        EXPECT_EQ(names, c.names) << c.unit << c.xy;
    }
}

// The message itself is checked through the transfer; here that the series
// of the page are kept as well.
TEST(OscImportTest, NothingDisplayedLeavesThePageAndItsSeriesAsTheyWere)
{
    ScriptedPrompts prompts;
    TIsisGraph page;
    const TChannelData ch1 = ChannelRecord("CH1", 0.02, 128, {}, 8);
    ASSERT_TRUE(page.ImportOscSeries(OscSeries(TimeBaseRecord(8, 1e-3), false, Records{&ch1})));
    const TData *series = page.Datas->Item(1);
    const TAxe *screen = page.Graphs(0);
    EXPECT_FALSE(page.ImportOscSeries(OscSeries(TimeBaseRecord(8, 1e-3), false, Records{})));
    EXPECT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(page.Datas->Item(1), series);
    EXPECT_EQ(page.Graphs(0), screen);
}

} // namespace

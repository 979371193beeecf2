#include "data/UData.h"
#include "scope/CTds.h"
#include "scope/OscSeries.h"
#include <gtest/gtest.h>

namespace
{

TChannelData Displayed(const char *name)
{
    TChannelData r;
    r.Present = true;
    r.Name = QString::fromLatin1(name);
    r.NrPt = 4;
    r.YMult = 1.0;
    r.Data = {10, 20, 30, 40};
    return r;
}

} // namespace

TEST(OscSeries, DisplayedSourcesFollowTheTimeAxisWithTheTableColours)
{
    TTDS link;
    link.Ch3 = Displayed("CH3");
    link.Ch1 = Displayed("CH1");
    link.TimeBase = link.Ch1;
    link.TimeBase.PtOff = 1;
    link.TimeBase.XIncr = 0.5;
    link.TimeBase.XZero = 2.0;
    link.TimeBase.XUnit = QStringLiteral("s");
    TDatas datas = SeriesFromLink(link);
    ASSERT_EQ(datas.Count(), 3);
    EXPECT_EQ(datas.Item(0)->Name, QStringLiteral("t"));
    EXPECT_DOUBLE_EQ(datas.Item(0)->GetValue(0), 1.5);
    EXPECT_DOUBLE_EQ(datas.Item(0)->GetValue(3), 3.0);
    const struct {
        const char *name;
        TColor color;
        char tag;
    } expected[] = {{"CH1", RGBColor(255, 200, 0), '1'}, {"CH3", RGBColor(128, 128, 0), '3'}};
    for (int i = 1; i <= 2; ++i) {
        const auto *s = dynamic_cast<const TDataOsc *>(datas.Item(i));
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Name, QString::fromLatin1(expected[i - 1].name));
        EXPECT_EQ(s->Color, expected[i - 1].color);
        EXPECT_EQ(s->Channel, expected[i - 1].tag);
    }

    link.TimeBase.XUnit = QStringLiteral("Hz");
    EXPECT_EQ(SeriesFromLink(link).Item(0)->Name, QStringLiteral("f"));
    link.XYMode = true;
    EXPECT_EQ(SeriesFromLink(link).Item(0)->Name, QStringLiteral("CH1"));
}

#include "data/UData.h"
#include <gtest/gtest.h>
#include <set>

namespace
{

// A series that records its own destruction.
class Tracked : public TDataAnalog
{
public:
    Tracked(int id, std::set<int> &freed) : FId(id), FFreed(freed) {}
    ~Tracked() override { FFreed.insert(FId); }

private:
    int FId;
    std::set<int> &FFreed;
};

std::unique_ptr<TData> Ranged(double min, double max)
{
    auto s = std::make_unique<TDataAnalog>();
    s->SetCount(2);
    s->SetValue(0, min);
    s->SetValue(1, max);
    return s;
}

TEST(TDatas, SetCountFreesExactlyTheSeriesBeyondTheNewCount)
{
    std::set<int> freed;
    TDatas datas;
    for (int i = 0; i < 5; ++i)
        datas.Add(std::make_unique<Tracked>(i, freed));
    datas.SetCount(2);
    EXPECT_EQ(freed, (std::set<int>{2, 3, 4}));
    datas.SetCount(4); // new entries are empty; indexes outside give none
    EXPECT_EQ(datas.Count(), 4);
    for (int i : {-1, 3, 4})
        EXPECT_EQ(datas.Item(i), nullptr) << i;
    datas.Clear();
    EXPECT_EQ(freed, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(TDatas, AllButFirstLeavesOutSeriesZeroAndIndexesBeyond255)
{
    TDatas datas;
    datas.Add(std::make_unique<TDataAnalog>());
    EXPECT_TRUE(datas.AllButFirst().Empty());
    for (int i = 1; i < 300; ++i)
        datas.Add(std::make_unique<TDataAnalog>());
    const TSeriesSet set = datas.AllButFirst();
    EXPECT_EQ(set.Size(), 255);
    EXPECT_TRUE(set.Contains(1) && set.Contains(255) && !set.Contains(0));
}

TEST(TDatas, MaxOfAndMinOfWalkOnlyTheMembers)
{
    TDatas datas;
    datas.Add(Ranged(-100, 100));
    datas.Add(Ranged(-3, 4));
    datas.Add(Ranged(-5, 2));
    datas.Add(Ranged(1, 9));
    EXPECT_EQ(std::pair(datas.MinOf({1, 2}), datas.MaxOf({1, 2})), std::pair(-5.0, 4.0));
    EXPECT_EQ(datas.MinOf({3}), 1.0); // one member: its own Min, even above 0
    EXPECT_EQ(std::pair(datas.MinOf({}), datas.MaxOf({10, 200})), std::pair(0.0, 0.0));
    // A negative-only member set gives its maximum, not 0.0.
    datas.Add(Ranged(-8, -6));
    EXPECT_EQ(datas.MaxOf({4}), -6.0);
}

TEST(TDatas, AddChannelNeverReadsBeyondTheRecordsCodes)
{
    TChannelData rec;
    rec.Data.fill(1);
    for (int nrPt : {-5, 0, TChannelData::MaxPoints + 1000}) {
        TDatas datas;
        rec.NrPt = nrPt;
        datas.AddChannel(rec, clBlue, 'A');
        EXPECT_EQ(datas.Item(0)->Count(), std::clamp(nrPt, 0, TChannelData::MaxPoints));
    }
}

} // namespace

#include "data/TDatas.h"
#include "data/TChannelData.h"
#include "data/TData.h"
#include "data/TDataOsc.h"
#include <algorithm>

TDatas::TDatas() = default;
TDatas::~TDatas() = default;
TDatas::TDatas(TDatas &&) noexcept = default;
TDatas &TDatas::operator=(TDatas &&) noexcept = default;

TData *TDatas::Item(int i) const
{
    return i >= 0 && i < Count() ? Items[std::size_t(i)].get() : nullptr;
}

void TDatas::SetCount(int n)
{
    Items.resize(std::size_t(std::max(n, 0)));
}

void TDatas::Add(std::unique_ptr<TData> s)
{
    Items.push_back(std::move(s));
}

void TDatas::AddChannel(const TChannelData &rec, TColor color, char channel)
{
    auto osc = std::make_unique<TDataOsc>();
    // The record holds at most MaxPoints codes whatever its count says.
    osc->SetCount(std::clamp(rec.NrPt, 0, TChannelData::MaxPoints));
    osc->YMult = rec.YMult;
    osc->YZero = rec.YZero;
    osc->YOff = rec.YOff;
    osc->WaveformId = rec.WfId;
    osc->Unit = rec.YUnit;
    osc->Color = color;
    osc->Channel = channel;
    osc->SetName(rec.Name);
    for (int i = 0; i < osc->Count(); ++i)
        osc->SetRaw(i, rec.Data[std::size_t(i)]);
    Add(std::move(osc));
}

TSeriesSet TDatas::AllButFirst() const
{
    TSeriesSet set;
    for (int i = 1; i < std::min(Count(), TSeriesSet::Capacity); ++i)
        set.Include(i);
    return set;
}

namespace
{

// Walks the member series in index order; the first gives the start value,
// each further one replaces it when better() says so.
template <typename Field, typename Better>
double Extreme(const TDatas &datas, const TSeriesSet &set, Field field, Better better)
{
    bool found = false;
    double result = 0.0;
    for (int i = 0; i < std::min(datas.Count(), TSeriesSet::Capacity); ++i) {
        const TData *s = datas.Item(i);
        if (!s || !set.Contains(i))
            continue;
        const double v = field(*s);
        if (!found || better(v, result))
            result = v;
        found = true;
    }
    return result;
}

} // namespace

double TDatas::MaxOf(const TSeriesSet &set) const
{
    return Extreme(
        *this, set, [](const TData &s) { return s.Max; }, [](double a, double b) { return a > b; });
}

double TDatas::MinOf(const TSeriesSet &set) const
{
    return Extreme(
        *this, set, [](const TData &s) { return s.Min; }, [](double a, double b) { return a < b; });
}

#include "data/TDatas.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/TChannelData.h"
#include "data/TDataAnalog.h"
#include "data/TDataBus.h"
#include "data/TDataLogic.h"
#include "data/TDataOsc.h"
#include <algorithm>
#include <array>

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

namespace
{

struct KindRow {
    std::string_view Keyword;
    std::unique_ptr<TData> (*Create)();
};

template <class Series> std::unique_ptr<TData> Create()
{
    return std::make_unique<Series>();
}

// Indexed by TDataKind.
constexpr std::array<KindRow, 4> kinds{{
    {"Analog", &Create<TDataAnalog>},
    {"Logic", &Create<TDataLogic>},
    {"Bus", &Create<TDataBus>},
    {"Osc", &Create<TDataOsc>},
}};

constexpr std::string_view CountPrefix = "Nb series=";

} // namespace

TDatas::TShape TDatas::Shape() const
{
    TShape shape;
    for (const std::unique_ptr<TData> &s : Items)
        shape.emplace_back(s->Kind, s->Count());
    return shape;
}

TDatas TDatas::OfShape(const TShape &shape)
{
    TDatas datas;
    for (const auto &[kind, count] : shape) {
        datas.Add(kinds[kind].Create());
        datas.Items.back()->SetCount(count);
    }
    return datas;
}

bool TDatas::CopyFrom(const TDatas &from)
{
    if (from.Shape() != Shape())
        return false;
    for (std::size_t i = 0; i < Items.size(); ++i)
        Items[i]->Assign(*from.Items[i]);
    return true;
}

void TDatas::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine("[Datas]");
    out.WriteText(QString::fromLatin1(CountPrefix.data(), qsizetype(CountPrefix.size())) +
                  QString::number(Count()));
    for (const std::unique_ptr<TData> &s : Items) {
        out.WriteLine(kinds[s->Kind].Keyword);
        s->SaveToStrings(out);
    }
    out.WriteLine("[Datas End]");
}

void TDatas::LoadFromStrings(DocumentReader &in)
{
    Clear();
    in.Skip();
    const std::string_view countLine = in.NextLine();
    // A line without the prefix gives an empty number.
    const bool prefixed = countLine.substr(0, CountPrefix.size()) == CountPrefix;
    const int count = in.CountOf(prefixed ? countLine.substr(CountPrefix.size()) : "");
    Items.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const std::string_view keyword = in.NextLine();
        const auto row = std::find_if(kinds.begin(), kinds.end(),
                                      [&](const KindRow &k) { return k.Keyword == keyword; });
        if (row == kinds.end())
            in.Fail(QStringLiteral("type de série inconnu : « %1 »").arg(in.Decode(keyword)));
        Add(row->Create());
        Items.back()->LoadFromStrings(in);
    }
    in.Skip();
}

void RequireSeries(const DocumentReader &in, const TDatas *datas, int index)
{
    if (!datas || !datas->Item(index))
        in.Fail(QStringLiteral("la série %1 n'existe pas").arg(index));
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

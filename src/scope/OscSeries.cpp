#include "scope/OscSeries.h"
#include "data/TChannelData.h"
#include "data/TDataAnalog.h"
#include "scope/CTds.h"
#include <algorithm>
#include <memory>

namespace
{

struct ChannelRow {
    TChannelData TTDS::*record;
    char tag;
    TColor color;
};

const ChannelRow channelTable[] = {
    {&TTDS::Ch1, '1', RGBColor(255, 200, 0)},   {&TTDS::Ch2, '2', RGBColor(0, 0, 255)},
    {&TTDS::Ch3, '3', RGBColor(128, 128, 0)},   {&TTDS::Ch4, '4', RGBColor(128, 0, 128)},
    {&TTDS::MathWave, 'M', RGBColor(255, 0, 0)}, {&TTDS::RefA, 'A', RGBColor(0, 0, 128)},
    {&TTDS::RefB, 'B', RGBColor(128, 0, 0)},
};

std::unique_ptr<TData> TimeAxis(const TChannelData &t)
{
    auto axis = std::make_unique<TDataAnalog>();
    axis->SetCount(std::clamp(t.NrPt, 0, TChannelData::MaxPoints));
    for (int i = 0; i < axis->Count(); ++i)
        axis->SetValue(i, (i - t.PtOff) * t.XIncr + t.XZero);
    axis->Unit = t.XUnit;
    axis->SetName(t.XUnit == QLatin1String("s") ? QStringLiteral("t") : QStringLiteral("f"));
    return axis;
}

} // namespace

TDatas SeriesFromLink(const TTDS &link)
{
    TDatas datas;
    if (!link.XYMode)
        datas.Add(TimeAxis(link.TimeBase));
    for (const ChannelRow &row : channelTable) {
        const TChannelData &record = link.*row.record;
        if (record.Present)
            datas.AddChannel(record, row.color, row.tag);
    }
    return datas;
}

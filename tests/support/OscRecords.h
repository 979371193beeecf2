#pragma once
// Transfer records as the instrument link fills them, for building
// oscilloscope pages through OscSeries.
#include "data/TChannelData.h"
#include <algorithm>
#include <vector>

// A displayed channel: the given codes, then code 128 up to count points.
inline TChannelData ChannelRecord(const QString &name, double yMult, double yOff,
                                  const std::vector<int> &codes, int count = 0,
                                  const QString &unit = QStringLiteral("V"))
{
    TChannelData r;
    r.Present = true;
    r.Name = name;
    r.YMult = yMult;
    r.YOff = yOff;
    r.YUnit = unit;
    r.NrPt = std::max(count, int(codes.size()));
    for (int i = 0; i < r.NrPt; ++i)
        r.Data[std::size_t(i)] = std::uint8_t(i < int(codes.size()) ? codes[std::size_t(i)] : 128);
    return r;
}

// A time base of count points spaced step apart, the first at time 0.
inline TChannelData TimeBaseRecord(int count, double step, const QString &unit = QStringLiteral("s"))
{
    TChannelData r;
    r.NrPt = count;
    r.XIncr = step;
    r.XUnit = unit;
    return r;
}

#pragma once
// Turning what an oscilloscope transfer read into series, and a page of one
// oscilloscope screen. The instrument import and the tests build their pages
// through these.
#include "data/TColor.h"
#include "data/TDatas.h"
#include <array>

struct TChannelData;

// The transferable sources in the order they become series, each with the
// tag kept in its series and its colour.
struct TOscChannel {
    char Tag;
    TColor Color;
};
inline constexpr std::array<TOscChannel, 7> OscChannels{{
    {'1', RGBColor(255, 200, 0)},
    {'2', RGBColor(0, 0, 255)},
    {'3', RGBColor(128, 128, 0)},
    {'4', RGBColor(128, 0, 128)},
    {'M', RGBColor(255, 0, 0)},
    {'A', RGBColor(0, 0, 128)},
    {'B', RGBColor(128, 0, 0)},
}};

// The series of a transfer: in time display first the time series of the
// time base (named "t" for a unit of "s", "f" otherwise), then one series per
// present record, records given in OscChannels order (null: not transferred).
// In XY display the first present record is the abscissa.
TDatas OscSeries(const TChannelData &timeBase, bool xyMode,
                 const std::array<const TChannelData *, OscChannels.size()> &records);

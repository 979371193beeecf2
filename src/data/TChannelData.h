#pragma once
// One waveform acquired from the oscilloscope, as its preamble and curve
// reply describe it. Filled by the link, turned into a series by AddChannel.
#include <QString>
#include <array>
#include <cstdint>

struct TChannelData {
    static constexpr int MaxPoints = 2500;

    std::int32_t BytNr = 0; // bytes per point
    std::int32_t BitNr = 0; // bits per point
    QString Encdg;
    QString BnFmt;
    QString BytOr;
    std::int32_t NrPt = 0; // number of points
    QString WfId;          // the instrument's description of the waveform
    QString PtFmt;
    double XIncr = 0.0;     // X step between points
    std::int32_t PtOff = 0; // index of the trigger point
    double XZero = 0.0;     // X of the trigger point
    QString XUnit;
    double YMult = 0.0; // value units per code step
    double YZero = 0.0; // value at the offset code
    double YOff = 0.0;  // the offset code
    QString YUnit;
    bool Present = false; // displayed, and its data were read
    QString Name;         // "CH1".."CH4", "RefA", "RefB" or the math definition
    std::array<std::uint8_t, MaxPoints> Data{};
};

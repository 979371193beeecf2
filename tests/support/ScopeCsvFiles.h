#pragma once
// Channel files of an oscilloscope capture in the layout the instrument
// saves from its front panel: six cells a row, a preamble label and its value
// in the first two (rows 1 to 3 and 7 to 18; blank in rows 4 to 6 and past
// the preamble), an empty cell, the time and the value of one point, an empty
// last cell; CR LF line ends. The instrument runs on no machine here: these
// files are built from that published layout, not saved by an instrument.
#include <QByteArray>
#include <QString>
#include <cmath>
#include <string>
#include <vector>

struct ScopeCsvChannel {
    const char *Source = "CH1";
    double VerticalScale = 0.5;
    double VerticalOffset = 0;
    const char *VerticalUnits = "V";
    const char *HorizontalUnits = "s";
    double SampleInterval = 4e-6;
    double TriggerPoint = 0;
    double FirstTime = -5e-3;
    std::vector<double> Values; // NaN: a blank cell; at least 18 values
    int RecordLength = -1;      // -1: the count of values
};

QByteArray ScopeCsvText(const ScopeCsvChannel &c);

// The values that codes stand for on a channel of that scale and offset
// (25 codes per division, zero level offset / scale divisions above code 128).
std::vector<double> ValuesOfCodes(const std::string &codes, double scale, double offset);

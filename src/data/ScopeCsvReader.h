#pragma once
// One channel of an oscilloscope capture saved as CSV from the instrument's
// front panel. Each row holds five cells: a preamble label and its value
// (first rows only: record length, sample interval, trigger point, source,
// vertical units, scale and offset, horizontal units and scale, probe
// attenuation, model number...), an empty cell, then the time and the value
// of one point. The vertical offset is the height of the channel's zero
// level above the screen's centre, in the vertical units.
#include "data/TChannelData.h"
#include <QString>
#include <string_view>

struct TScopeCsv {
    // As a serial transfer of the same waveform fills it: codes 1..255 on a
    // screen of 25 codes per division around code 128 (0: no sample), scale,
    // zero level and time base.
    TChannelData Record;
    char Tag = '\0'; // the source: '1'..'4', 'M' (math), 'A' or 'B' (references)
};

// Reads one channel file. On false, why, when given, holds the French reason
// with the line at fault.
bool LoadScopeCsv(std::string_view bytes, TScopeCsv &out, QString *why = nullptr);

// The same from a file; files larger than any channel file are refused
// unread.
bool LoadScopeCsvFile(const QString &fileName, TScopeCsv &out, QString *why = nullptr);

// Whether the first bytes of a file start the preamble of such a file.
bool LooksLikeScopeCsv(std::string_view head);

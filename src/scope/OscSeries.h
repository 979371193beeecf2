#pragma once
// The series an oscilloscope transfer gives: the time (or frequency) axis,
// unless the instrument displays in XY, then one series per displayed
// source in the channel table's order, with the table's colour and tag.
#include "data/TDatas.h"

class TTDS;

TDatas SeriesFromLink(const TTDS &link);

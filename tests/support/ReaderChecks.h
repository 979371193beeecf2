#pragma once
// Properties of the readers of outside input that hold whatever the bytes,
// shared by the tests and the fuzz targets. Each returns an empty string when
// the property holds, otherwise what broke.
#include <QString>
#include <string>
#include <string_view>

class TDatas;

// Reading an export either gives a collection where every column holds a
// series of one sample per data line, analog samples finite and within their
// range, or gives an empty collection and a reason.
std::string WellFormedOrEmptyFault(TDatas &datas, std::string_view text);

// Reading a table keeps GappedSeriesFault's property, and a refusal says why.
std::string TableWellFormedOrEmptyFault(TDatas &datas, std::string_view text);

// Reading an oscilloscope channel file either gives a present record of 1 to
// MaxPoints codes, a positive scale and finite zero level and time base, or
// a reason.
std::string ScopeCsvWellFormedOrReasonFault(std::string_view text);

// A finite value written at any resolution reads back within half the
// resolution actually used (one step at the very top of the doubles).
std::string EngRoundTripFault(double value, double resolution);

// A typed text is a finite number or a conversion error, and IsEngNumber
// says which; a number read is written and read back close to itself.
std::string EngParseFault(const QString &text);

// Reading a file whose samples may hold gaps either gives series of one
// length, every sample a gap (NaN) or a finite value within its series'
// range, or gives an empty collection and a reason.
std::string GappedSeriesFault(const TDatas &datas, bool read, const QString &why);

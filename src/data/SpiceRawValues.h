#pragma once
// The values of one plot of a raw file, turned into columns of doubles: the
// abscissa first (the real part of a complex one), then one column per real
// vector, or two per complex vector: its gain in dB and its phase in degrees,
// continuous from point to point. A sample that is not a finite number is a
// gap (NaN); a time is taken without its sign, which some writers use as a
// mark on the point.
#include "data/SpiceRawText.h"
#include <QString>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string_view>
#include <vector>

class TByteSource;

using TRawColumns = std::vector<std::vector<double>>;

// Where each value lands, converted as the header says.
class TColumnSink
{
public:
    // Sizes the columns for the header's points.
    TColumnSink(const TRawHeader &header, TRawColumns &columns);

    void Real(std::size_t variable, std::size_t point, double v)
    {
        if (variable == 0 && m_timeAxis)
            v = std::fabs(v);
        m_columns[Column(variable)][point] = std::isfinite(v) ? v : Gap;
    }
    void Complex(std::size_t variable, std::size_t point, double re, double im)
    {
        if (variable == 0) {
            Real(0, point, re);
            return;
        }
        const std::size_t c = Column(variable);
        const double magnitude = std::hypot(re, im);
        const double gain = 20 * std::log10(magnitude);
        m_columns[c][point] = std::isfinite(gain) ? gain : Gap;
        m_columns[c + 1][point] = Phase(variable, re, im);
    }

    static constexpr double Gap = std::numeric_limits<double>::quiet_NaN();

private:
    std::size_t Column(std::size_t variable) const
    {
        return m_complex && variable > 0 ? 2 * variable - 1 : variable;
    }
    double Phase(std::size_t variable, double re, double im)
    {
        if (!std::isfinite(re) || !std::isfinite(im))
            return Gap;
        double phase = std::atan2(im, re) * (180 / std::numbers::pi);
        double &last = m_lastPhase[variable];
        if (std::isfinite(last))
            phase += 360 * std::nearbyint((last - phase) / 360);
        last = phase;
        return phase;
    }

    TRawColumns &m_columns;
    bool m_complex;
    bool m_timeAxis;
    std::vector<double> m_lastPhase;
};

// Bytes per point of a binary block, and the width of each variable's value.
std::vector<std::uint8_t> RawValueWidths(const TRawHeader &header);
std::uint64_t RawPointBytes(const TRawHeader &header);

// Reads the binary block of header.Points points at offset; the caller has
// checked that the input holds that many bytes. On false why gives the byte
// offset at fault.
bool ReadRawBinary(TByteSource &source, std::uint64_t offset, const TRawHeader &header,
                   TRawColumns &columns, QString &why);

// Reads the text values of header.Points points from the start of text (8-bit,
// the UTF-16 of a wide file already narrowed); firstLine numbers the first
// line of text in the file. used receives the bytes read. On false why gives
// the line at fault.
bool ReadRawText(std::string_view text, std::size_t firstLine, const TRawHeader &header,
                 TRawColumns &columns, std::size_t &used, QString &why);
// Where the text values that start text end without reading them: the first
// line that starts with a letter (the next header), or the end.
std::size_t SkipRawText(std::string_view text);
// The lines of a text, for numbering those that follow it.
std::size_t CountRawLines(std::string_view text);

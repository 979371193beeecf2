#include "support/ScopeCsvFiles.h"
#include <cstdio>

namespace
{

std::string Number(const char *format, double v)
{
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

// The preamble cells of each row, by row index from 0.
std::vector<std::string> PreambleCells(const ScopeCsvChannel &c, std::size_t count)
{
    const double records = double(count);
    return {"Record Length," + Number("%e", records),
            "Sample Interval," + Number("%e", c.SampleInterval),
            "Trigger Point," + Number("%.12e", c.TriggerPoint),
            ",",
            ",",
            ",",
            "Source," + std::string(c.Source),
            "Vertical Units," + std::string(c.VerticalUnits),
            "Vertical Scale," + Number("%e", c.VerticalScale),
            "Vertical Offset," + Number("%e", c.VerticalOffset),
            "Horizontal Units," + std::string(c.HorizontalUnits),
            "Horizontal Scale," + Number("%e", c.SampleInterval * records / 10),
            "Pt Fmt,Y",
            "Yzero," + Number("%e", 0),
            "Probe Atten," + Number("%e", 10),
            "Model Number,OSC-2012",
            "Serial Number,X000001",
            "Firmware Version,FV:v1.00"};
}

} // namespace

QByteArray ScopeCsvText(const ScopeCsvChannel &c)
{
    const std::size_t count =
        c.RecordLength < 0 ? c.Values.size() : std::size_t(c.RecordLength);
    const std::vector<std::string> preamble = PreambleCells(c, count);
    std::string text;
    for (std::size_t i = 0; i < c.Values.size(); ++i) {
        text += i < preamble.size() ? preamble[i] : std::string(",");
        text += ",," + Number("%.12f", c.FirstTime + double(i) * c.SampleInterval) + ',';
        if (!std::isnan(c.Values[i]))
            text += Number("%.7g", c.Values[i]);
        text += ",\r\n";
    }
    return QByteArray::fromStdString(text);
}

std::vector<double> ValuesOfCodes(const std::string &codes, double scale, double offset)
{
    std::vector<double> values;
    for (const char code : codes)
        values.push_back((double(static_cast<unsigned char>(code)) - 128) * scale / 25 - offset);
    return values;
}

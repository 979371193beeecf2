#include "support/ReaderChecks.h"
#include "data/EConvertError.h"
#include "data/EngNumbers.h"
#include "data/ScopeCsvReader.h"
#include "data/TableReader.h"
#include "data/UData.h"
#include <cmath>
#include <limits>

namespace
{

std::string AnalogFault(const TDataAnalog &series)
{
    for (const double v : series.Values) {
        if (!std::isfinite(v))
            return "a sample is not finite";
        if (!series.RangeValid() || v < series.Min || v > series.Max)
            return "a sample lies outside its series' range";
    }
    return {};
}

// What a written text does wrong, quoting it.
std::string TextFault(const QString &text, const char *fault)
{
    std::string out = "\"";
    out += text.toStdString();
    out += "\" ";
    out += fault;
    return out;
}

} // namespace

std::string WellFormedOrEmptyFault(TDatas &datas, std::string_view text)
{
    QString why;
    if (!datas.LoadFromIsisText(text, &why)) {
        if (datas.Count() != 0)
            return "a refused text left series behind";
        return why.isEmpty() ? "a refused text gave no reason" : "";
    }
    if (datas.Count() == 0 || !datas.Item(0))
        return "an accepted text gave no series";
    const int rows = datas.Item(0)->Count();
    if (rows <= 0)
        return "an accepted text gave no samples";
    for (int c = 0; c < datas.Count(); ++c) {
        const TData *series = datas.Item(c);
        if (!series || series->Count() != rows)
            return "columns of different lengths";
        if (series->Kind == dkAnalog) {
            if (std::string fault = AnalogFault(static_cast<const TDataAnalog &>(*series));
                !fault.empty())
                return fault;
        }
    }
    return {};
}

std::string GappedSeriesFault(const TDatas &datas, bool read, const QString &why)
{
    if (!read)
        return datas.Count() != 0 ? "a refused file left series behind" : "";
    if (datas.Count() == 0 || !datas.Item(0) || datas.Item(0)->Count() <= 0)
        return "an accepted file gave no samples";
    for (int c = 0; c < datas.Count(); ++c) {
        const TData *series = datas.Item(c);
        if (!series || series->Kind != dkAnalog || series->Count() != datas.Item(0)->Count())
            return "series of different kinds or lengths";
        bool any = false;
        for (const double v : static_cast<const TDataAnalog *>(series)->Values) {
            if (std::isnan(v))
                continue;
            any = true;
            if (!std::isfinite(v) || !series->RangeValid() || v < series->Min || v > series->Max)
                return "a sample is infinite or outside its series' range";
        }
        if (any != series->RangeValid())
            return "a range without samples, or samples without a range";
    }
    return why.isEmpty() ? "" : "an accepted file gave a reason";
}

std::string TableWellFormedOrEmptyFault(TDatas &datas, std::string_view text)
{
    QString why;
    const bool read = LoadTable(text, datas, &why);
    if (!read && why.isEmpty())
        return "a refused table gave no reason";
    if (read && datas.Count() < 2)
        return "an accepted table has no column of values";
    return GappedSeriesFault(datas, read, read ? QString() : why);
}

std::string ScopeCsvWellFormedOrReasonFault(std::string_view text)
{
    TScopeCsv channel;
    QString why;
    if (!LoadScopeCsv(text, channel, &why))
        return why.isEmpty() ? "a refused file gave no reason" : "";
    const TChannelData &r = channel.Record;
    if (!r.Present || r.NrPt < 1 || r.NrPt > TChannelData::MaxPoints || channel.Tag == '\0')
        return "an accepted file gave no channel";
    if (!(r.YMult > 0) || !std::isfinite(r.YMult) || !std::isfinite(r.YOff) ||
        !std::isfinite(r.YZero))
        return "an accepted file gave no usable scale";
    if (!(r.XIncr > 0) || !std::isfinite(r.XZero) ||
        !std::isfinite((r.NrPt - r.PtOff) * r.XIncr + r.XZero) ||
        !std::isfinite(-r.PtOff * r.XIncr + r.XZero))
        return "an accepted file gave times that are not numbers";
    return {};
}

std::string EngRoundTripFault(double value, double resolution)
{
    if (!std::isfinite(value))
        return {};
    const double a = std::fabs(value);
    double r = std::fabs(resolution);
    // As FormatEng does, without underflow for the smallest values.
    if (!std::isfinite(r) || (long double)r < (long double)a / 1e12L ||
        r > a * (1 + 1e-10))
        r = a / 100;
    const double tiniest = std::numeric_limits<double>::denorm_min();
    // Half a unit of the last digit written, plus the few ulps of the value
    // that dividing it by the digit's weight and reading it back may round.
    const double rounding = a * 8 * std::numeric_limits<double>::epsilon();
    const double tolerance = a > 1e307 ? r : r / 2 * (1 + 1e-9) + rounding + tiniest;
    const QString text = FormatEng(value, resolution);
    try {
        if (std::fabs(ParseEng(text) - value) <= tolerance)
            return {};
        return TextFault(text, "reads back too far from the value");
    } catch (const EConvertError &) {
        return TextFault(text, "does not read back");
    }
}

std::string EngParseFault(const QString &text)
{
    double v = 0;
    try {
        v = ParseEng(text);
    } catch (const EConvertError &) {
        return IsEngNumber(text) ? "IsEngNumber accepts a text ParseEng refuses" : "";
    }
    if (!IsEngNumber(text))
        return "IsEngNumber refuses a text ParseEng reads";
    if (!std::isfinite(v))
        return "a text reads as a value that is not finite";
    return EngRoundTripFault(v, Resolution(v));
}

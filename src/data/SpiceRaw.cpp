#include "data/SpiceRaw.h"
#include "data/ByteSource.h"
#include "data/IsisPalette.h"
#include "data/SpiceRawSteps.h"
#include "data/SpiceRawValues.h"
#include "data/TDataAnalog.h"
#include "data/TDatas.h"
#include <algorithm>
#include <array>
#include <climits>
#include <new>

namespace
{

// A header is read in pieces that double until it ends.
constexpr std::size_t FirstHeaderPiece = std::size_t(64) << 10;
// The most values that the runs of a stepped plot may take once side by side:
// a bounded multiple of the values read (runs on different grids take the
// union of them all), and never less than 16 million.
std::uint64_t SpreadLimit(const TRawColumns &columns)
{
    const std::uint64_t read = std::uint64_t(columns.size()) * columns.front().size();
    return std::max<std::uint64_t>(std::uint64_t(1) << 24, 64 * read);
}

struct TPlot {
    TRawHeader Header;
    std::uint64_t Start = 0;     // first byte of the header
    std::uint64_t Values = 0;    // first byte of the values
    std::uint64_t End = 0;       // first byte after the values
    std::size_t ValuesLine = 0;  // line of the text values' first byte
    bool AfterBinary = false;    // the header follows binary values: lines mean nothing
};

// The UTF-16LE text of a wide file as 8-bit text (numbers need no more).
std::string Narrow(std::string_view wide)
{
    std::string narrow(wide.size() / 2, '?');
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        if (wide[2 * i + 1] == 0 && static_cast<unsigned char>(wide[2 * i]) < 0x80)
            narrow[i] = wide[2 * i];
    }
    return narrow;
}

std::uint64_t SkipBlankBytes(TByteSource &source, std::uint64_t offset, QString &why, bool &failed)
{
    std::string_view bytes;
    failed = !source.Read(offset, 4096, bytes, why);
    std::size_t n = 0;
    while (n < bytes.size() && (bytes[n] == '\n' || bytes[n] == '\r' || bytes[n] == ' ' ||
                                bytes[n] == '\t' || bytes[n] == '\0'))
        ++n;
    return offset + n;
}

class PlotList
{
public:
    explicit PlotList(TByteSource &source) : m_source(source) {}
    bool Read(QString &why);
    std::vector<TPlot> Plots;

private:
    bool ReadHeader(TPlot &plot, QString &why);
    bool MeasureBinary(TPlot &plot, QString &why);
    bool MeasureText(TPlot &plot, QString &why);

    TByteSource &m_source;
    std::size_t m_line = 1;
};

bool PlotList::Read(QString &why)
{
    std::uint64_t offset = 0;
    bool afterBinary = false;
    while (Plots.empty() || offset < m_source.Size()) {
        TPlot plot;
        plot.Start = offset;
        plot.AfterBinary = afterBinary;
        if (!ReadHeader(plot, why))
            return false;
        if (!(plot.Header.Binary ? MeasureBinary(plot, why) : MeasureText(plot, why)))
            return false;
        bool failed = false;
        offset = SkipBlankBytes(m_source, plot.End, why, failed);
        if (failed)
            return false;
        afterBinary = plot.Header.Binary;
        Plots.push_back(std::move(plot));
    }
    return true;
}

bool PlotList::ReadHeader(TPlot &plot, QString &why)
{
    for (std::size_t piece = FirstHeaderPiece;; piece *= 2) {
        std::string_view bytes;
        if (!m_source.Read(plot.Start, piece, bytes, why))
            return false;
        THeaderScan scan = ScanRawHeader(bytes);
        if (scan.Header) {
            plot.Header = std::move(*scan.Header);
            plot.Values = plot.Start + plot.Header.Length;
            m_line += plot.Header.Lines;
            plot.ValuesLine = m_line;
            return true;
        }
        const bool cut = scan.NeedsMore && bytes.size() < piece;
        if (scan.NeedsMore && !cut)
            continue;
        const QString reason =
            cut ? QStringLiteral("le fichier s'arrête avant la fin de l'en-tête.") : scan.Fault;
        const std::size_t line = cut ? CountRawLines(bytes) + 1 : scan.FaultLine;
        why = plot.AfterBinary
                  ? QStringLiteral("Ligne %1 de l'en-tête qui commence à l'octet %2 : %3")
                        .arg(line)
                        .arg(plot.Start)
                        .arg(reason)
                  : QStringLiteral("Ligne %1 : %2").arg(m_line + line - 1).arg(reason);
        return false;
    }
}

bool PlotList::MeasureBinary(TPlot &plot, QString &why)
{
    TRawHeader &h = plot.Header;
    const std::uint64_t record = RawPointBytes(h);
    const std::uint64_t available = m_source.Size() - std::min(m_source.Size(), plot.Values);
    // Without its count the block takes the rest of the file, a last point
    // cut short included.
    const bool counted = h.Points != 0;
    if (!counted)
        h.Points = available / record;
    if (h.Points == 0) {
        why = QStringLiteral("Octet %1 : « %2 » n'a aucun point.").arg(plot.Values).arg(h.Plotname);
        return false;
    }
    if (h.Points > available / record) {
        why = QStringLiteral("Octet %1 : « %2 » annonce %3 points de %4 octets, mais le fichier "
                             "n'a que %5 octets de valeurs.")
                  .arg(plot.Values)
                  .arg(h.Plotname)
                  .arg(h.Points)
                  .arg(record)
                  .arg(available);
        return false;
    }
    plot.End = counted ? plot.Values + h.Points * record : m_source.Size();
    return true;
}

bool PlotList::MeasureText(TPlot &plot, QString &why)
{
    std::string_view bytes;
    if (!m_source.Read(plot.Values, std::size_t(m_source.Size() - plot.Values), bytes, why))
        return false;
    std::string narrowed;
    if (plot.Header.Wide) {
        narrowed = Narrow(bytes);
        bytes = narrowed;
    }
    const std::size_t length = SkipRawText(bytes);
    m_line += CountRawLines(bytes.substr(0, length));
    plot.End = plot.Values + (plot.Header.Wide ? 2 * length : length);
    // Each value takes at least a character and a separator.
    const std::uint64_t values = plot.Header.Points * plot.Header.Variables.size();
    if (plot.Header.Points > length / 2 || values > length / 2) {
        why = QStringLiteral("Ligne %1 : « %2 » annonce %3 points de %4 variables, plus que "
                             "le texte qui suit ne peut en contenir.")
                  .arg(plot.ValuesLine)
                  .arg(plot.Header.Plotname)
                  .arg(plot.Header.Points)
                  .arg(plot.Header.Variables.size());
        return false;
    }
    return true;
}

QString Describe(const TRawHeader &header)
{
    return QStringLiteral("%1 : %2 points, %3 variables")
        .arg(header.Plotname.isEmpty() ? QStringLiteral("(sans nom)") : header.Plotname)
        .arg(header.Points)
        .arg(header.Variables.size());
}

int Proposed(const std::vector<TPlot> &plots)
{
    for (std::size_t i = 0; i < plots.size(); ++i) {
        if (plots[i].Header.Plotname.startsWith(QLatin1String("transient"), Qt::CaseInsensitive))
            return int(i);
    }
    return 0;
}

bool ReadValues(TByteSource &source, const TPlot &plot, TRawColumns &columns, QString &why)
{
    const TRawHeader &h = plot.Header;
    if (h.Binary)
        return ReadRawBinary(source, plot.Values, h, columns, why);
    std::string_view bytes;
    if (!source.Read(plot.Values, std::size_t(plot.End - plot.Values), bytes, why))
        return false;
    std::string narrowed;
    if (h.Wide) {
        narrowed = Narrow(bytes);
        bytes = narrowed;
    }
    std::size_t used = 0;
    return ReadRawText(bytes, plot.ValuesLine, h, columns, used, why);
}

struct TColumnName {
    QString Name;
    QString Unit;
};

// The names and units of the columns, in the order SpreadRuns leaves them.
std::vector<TColumnName> ColumnNames(const TRawHeader &h, std::size_t runs)
{
    const TRawVariable &axis = h.Variables.front();
    std::vector<TColumnName> names{{axis.Name, UnitOfRawType(axis.Type)}};
    for (std::size_t v = 1; v < h.Variables.size(); ++v) {
        const TRawVariable &var = h.Variables[v];
        for (std::size_t r = 0; r < runs; ++r) {
            const QString run = runs > 1 ? QStringLiteral(" pas %1").arg(r + 1) : QString();
            if (!h.Complex) {
                names.push_back({var.Name + run, UnitOfRawType(var.Type)});
                continue;
            }
            names.push_back({QStringLiteral("gain ") + var.Name + run, QStringLiteral("dB")});
            names.push_back({QStringLiteral("phase ") + var.Name + run, QStringLiteral("°")});
        }
    }
    return names;
}

// The smallest and largest values that are not gaps (a gap never compares
// less or greater), in four lanes so that the comparisons overlap.
void Range(const std::vector<double> &values, double &lo, double &hi)
{
    constexpr std::size_t Lanes = 4;
    std::array<double, Lanes> low;
    std::array<double, Lanes> high;
    low.fill(INFINITY);
    high.fill(-INFINITY);
    const std::size_t n = values.size();
    for (std::size_t i = 0; i < n; i += Lanes) {
        for (std::size_t k = 0; k < Lanes && i + k < n; ++k) {
            const double v = values[i + k];
            low[k] = v < low[k] ? v : low[k];
            high[k] = v > high[k] ? v : high[k];
        }
    }
    lo = *std::min_element(low.begin(), low.end());
    hi = *std::max_element(high.begin(), high.end());
}

std::unique_ptr<TData> Series(std::vector<double> &&values, const TColumnName &name, int index)
{
    auto series = std::make_unique<TDataAnalog>();
    double lo = 0;
    double hi = 0;
    Range(values, lo, hi);
    series->Values = std::move(values);
    series->SetCount(int(series->Values.size()));
    if (lo <= hi) {
        series->UpdateMin(lo);
        series->UpdateMax(hi);
    }
    series->SetName(name.Name);
    series->Unit = name.Unit;
    series->Color = IsisPalette[std::size_t(index) % IsisPalette.size()];
    return series;
}

bool Refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

bool ReadPlot(TByteSource &source, const TPlot &plot, TDatas &datas, QString &why,
              TSpiceRawInfo *info)
{
    const TRawHeader &h = plot.Header;
    if (h.Points > std::uint64_t(INT_MAX)) {
        why = QStringLiteral("« %1 » a plus de %2 points.").arg(h.Plotname).arg(INT_MAX);
        return false;
    }
    TRawColumns columns;
    if (!ReadValues(source, plot, columns, why))
        return false;
    std::vector<std::size_t> runs{0};
    if (h.Stepped)
        runs = RunStarts(columns.front());
    if (runs.size() > 1 && !SpreadRuns(columns, h.Complex ? 2 : 1, runs, SpreadLimit(columns), why))
        return false;
    const std::vector<TColumnName> names = ColumnNames(h, runs.size());
    std::vector<std::unique_ptr<TData>> series;
    for (std::size_t c = 0; c < columns.size(); ++c)
        series.push_back(Series(std::move(columns[c]), names[c], int(c)));
    datas.Items = std::move(series);
    if (info) {
        *info = {h.Plotname, h.Complex, {}};
        for (int c = 1; h.Complex && c + 1 < datas.Count(); c += 2)
            info->GainPhase.push_back({c, c + 1});
    }
    return true;
}

} // namespace

bool LoadSpiceRaw(TByteSource &source, TDatas &datas, QString *why, TSpiceRawInfo *info,
                  const TPartChooser &choose)
{
    datas.Clear();
    QString reason;
    try {
        PlotList list(source);
        if (!list.Read(reason))
            return Refuse(why, reason);
        int chosen = Proposed(list.Plots);
        if (choose && list.Plots.size() > 1) {
            QStringList plots;
            for (const TPlot &plot : list.Plots)
                plots << Describe(plot.Header);
            chosen = choose(plots, chosen);
            if (chosen < 0 || chosen >= plots.size())
                return Refuse(why, QString());
        }
        if (!ReadPlot(source, list.Plots[std::size_t(chosen)], datas, reason, info)) {
            datas.Clear();
            return Refuse(why, reason);
        }
        return true;
    } catch (const std::bad_alloc &) {
        datas.Clear();
        return Refuse(why, QStringLiteral("Mémoire insuffisante pour lire le fichier."));
    }
}

bool LoadSpiceRaw(std::string_view bytes, TDatas &datas, QString *why, TSpiceRawInfo *info,
                  const TPartChooser &choose)
{
    TByteSource source(bytes);
    return LoadSpiceRaw(source, datas, why, info, choose);
}

bool LoadSpiceRawFile(const QString &fileName, TDatas &datas, QString *why, TSpiceRawInfo *info,
                      const TPartChooser &choose)
{
    datas.Clear();
    TReadableFile file;
    QString reason;
    if (!file.Open(fileName, reason))
        return Refuse(why, reason);
    TByteSource source(std::move(file));
    return LoadSpiceRaw(source, datas, why, info, choose);
}

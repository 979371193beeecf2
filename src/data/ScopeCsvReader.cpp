// Reading one channel file of an oscilloscope capture: the preamble fields
// are gathered from the first two cells of every row, the values from the
// fifth; once the scale is known, each value becomes the code a serial
// transfer of the same waveform would have carried.
#include "data/ScopeCsvReader.h"
#include "data/DecimalText.h"
#include "data/EngNumbers.h"
#include "data/IsisText.h"
#include "data/ReadableFile.h"
#include "data/Windows1252.h"
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace
{

enum Field {
    RecordLength,
    SampleInterval,
    TriggerPoint,
    Source,
    VerticalUnits,
    VerticalScale,
    VerticalOffset,
    HorizontalUnits,
    HorizontalScale,
    Yzero,
    ProbeAtten,
    ModelNumber,
    FieldCount
};

struct FieldRow {
    std::string_view Label;
    bool Required;
};

// Other labels (point format, serial number, firmware) are passed over.
constexpr std::array<FieldRow, FieldCount> Fields{{
    {"Record Length", true},
    {"Sample Interval", true},
    {"Trigger Point", true},
    {"Source", true},
    {"Vertical Units", true},
    {"Vertical Scale", true},
    {"Vertical Offset", true},
    {"Horizontal Units", true},
    {"Horizontal Scale", false},
    {"Yzero", false},
    {"Probe Atten", false},
    {"Model Number", false},
}};

struct SourceRow {
    std::string_view Text;
    char Tag;
    const char *Name;
};

// The sources a capture saves, with the names a serial transfer gives them.
constexpr std::array<SourceRow, 7> Sources{{
    {"CH1", '1', "CH1"},
    {"CH2", '2', "CH2"},
    {"CH3", '3', "CH3"},
    {"CH4", '4', "CH4"},
    {"MATH", 'M', "MATH"},
    {"REFA", 'A', "RefA"},
    {"REFB", 'B', "RefB"},
}};

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// Codes of the screen: 25 per division around the centre code.
constexpr double CodesPerDivision = 25;
constexpr double CentreCode = 128;
// Room for every row of the largest record, however its numbers are written.
constexpr std::uint64_t LargestFile = std::uint64_t(TChannelData::MaxPoints) * 512;
// Trigger points beyond this many records from the start are not a capture.
constexpr double FarthestTrigger = 1e6;

bool SameLabel(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The first five cells of a row; fewer when the row has fewer.
std::size_t SplitRow(std::string_view row, std::array<std::string_view, 5> &cells)
{
    std::size_t n = 0;
    while (n < cells.size()) {
        const std::size_t comma = row.find(',');
        cells[n++] = Trimmed(row.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        row.remove_prefix(comma + 1);
    }
    return n;
}

class ScopeCsvReader
{
public:
    bool Read(std::string_view text, QString &why);
    bool Fill(TScopeCsv &out, QString &why) const;

private:
    bool ReadRow(std::string_view row, QString &why);
    bool TakeRecordLength(QString &why);
    bool Number(Field f, double &v, QString &why) const;
    bool Scale(double &yMult, QString &why) const;
    bool Scales(TChannelData &r, QString &why) const;
    QString Description(double yMult) const;
    std::uint8_t Code(double v, const TChannelData &r) const;

    std::array<std::string_view, FieldCount> m_text{};
    std::array<std::size_t, FieldCount> m_line{};
    std::size_t m_points = 0;
    std::size_t m_lineNumber = 0;
    double m_firstTime = 0;
    std::vector<double> m_values;
};

bool ScopeCsvReader::Read(std::string_view text, QString &why)
{
    const char *p = text.data();
    const char *const end = p + text.size();
    while (p != end) {
        const char *lineEnd = LineEnd(p, end);
        ++m_lineNumber;
        const std::string_view row(p, std::size_t(lineEnd - p));
        if (!Trimmed(row).empty() && !ReadRow(row, why))
            return false;
        p = SkipLineBreak(lineEnd, end);
    }
    if (m_values.size() < m_points) {
        why = QStringLiteral("Ligne %1 : le fichier s'arrête après %2 points, « Record Length » en "
                             "annonce %3.")
                  .arg(m_lineNumber)
                  .arg(m_values.size())
                  .arg(m_points);
        return false;
    }
    for (std::size_t f = 0; f < FieldCount; ++f) {
        if (Fields[f].Required && m_line[f] == 0) {
            why = QStringLiteral("Lignes 1 à %1 : le champ « %2 » manque.")
                      .arg(m_lineNumber)
                      .arg(QLatin1String(Fields[f].Label));
            return false;
        }
    }
    return true;
}

bool ScopeCsvReader::ReadRow(std::string_view row, QString &why)
{
    std::array<std::string_view, 5> cells;
    const std::size_t n = SplitRow(row, cells);
    for (std::size_t f = 0; f < FieldCount && n > 1; ++f) {
        if (m_line[f] == 0 && SameLabel(cells[0], Fields[f].Label)) {
            m_text[f] = cells[1];
            m_line[f] = m_lineNumber;
        }
    }
    if (m_points == 0 && !TakeRecordLength(why))
        return false;
    if (m_values.size() == m_points) {
        why = QStringLiteral("Ligne %1 : plus de points que les %2 annoncés par « Record Length ».")
                  .arg(m_lineNumber)
                  .arg(m_points);
        return false;
    }
    if (n < 5) {
        why = QStringLiteral("Ligne %1 : la ligne n'a pas de colonne de valeurs.").arg(m_lineNumber);
        return false;
    }
    // A blank value is a missing sample; the first time dates the record.
    double v = std::nan("");
    const bool valueRead = cells[4].empty() || ParseDecimal(cells[4], v);
    if (!valueRead || (m_values.empty() && !ParseDecimal(cells[3], m_firstTime))) {
        why = QStringLiteral("Ligne %1 : « %2 » n'est pas un nombre.")
                  .arg(m_lineNumber)
                  .arg(ShownInMessage(valueRead ? cells[3] : cells[4]));
        return false;
    }
    m_values.push_back(v);
    return true;
}

// The record length, from the first row.
bool ScopeCsvReader::TakeRecordLength(QString &why)
{
    double count = 0;
    if (!Number(RecordLength, count, why))
        return false;
    if (!(count >= 1 && count <= TChannelData::MaxPoints && count == std::floor(count))) {
        why = QStringLiteral("Ligne %1 : « Record Length » vaut « %2 », il faut un nombre entier "
                             "de points de 1 à %3.")
                  .arg(m_lineNumber)
                  .arg(ShownInMessage(m_text[RecordLength]))
                  .arg(TChannelData::MaxPoints);
        return false;
    }
    m_points = std::size_t(count);
    m_values.reserve(m_points);
    return true;
}

bool ScopeCsvReader::Number(Field f, double &v, QString &why) const
{
    if (m_line[f] != 0 && ParseDecimal(m_text[f], v) && std::isfinite(v))
        return true;
    if (m_line[f] == 0) {
        why = QStringLiteral("Ligne %1 : le champ « %2 » manque.")
                  .arg(m_lineNumber)
                  .arg(QLatin1String(Fields[f].Label));
        return false;
    }
    why = QStringLiteral("Ligne %1 : « %2 » vaut « %3 », qui n'est pas un nombre.")
              .arg(m_line[f])
              .arg(QLatin1String(Fields[f].Label))
              .arg(ShownInMessage(m_text[f]));
    return false;
}

// Value units per code: the vertical scale over the codes of a division.
bool ScopeCsvReader::Scale(double &yMult, QString &why) const
{
    double scale = 0;
    if (!Number(VerticalScale, scale, why))
        return false;
    yMult = scale / CodesPerDivision;
    if (scale > 0 && yMult > 0)
        return true;
    why = QStringLiteral("Ligne %1 : « Vertical Scale » vaut « %2 », il faut un nombre positif.")
              .arg(m_line[VerticalScale])
              .arg(ShownInMessage(m_text[VerticalScale]));
    return false;
}

// The instrument's description of the waveform, as a transfer gives one.
QString ScopeCsvReader::Description(double yMult) const
{
    auto eng = [](double v) { return FormatEng(v, Resolution(v)); };
    QStringList parts{FromWindows1252(m_text[Source]),
                      eng(yMult * CodesPerDivision) + FromWindows1252(m_text[VerticalUnits]) +
                          QStringLiteral("/div")};
    double v = 0;
    QString unused;
    if (m_line[HorizontalScale] && Number(HorizontalScale, v, unused))
        parts << eng(v) + FromWindows1252(m_text[HorizontalUnits]) + QStringLiteral("/div");
    parts << QStringLiteral("%1 points").arg(m_points);
    if (m_line[ProbeAtten] && Number(ProbeAtten, v, unused))
        parts << QStringLiteral("sonde x") + eng(v);
    if (m_line[ModelNumber])
        parts << FromWindows1252(m_text[ModelNumber]);
    return parts.join(QStringLiteral(", "));
}

std::uint8_t ScopeCsvReader::Code(double v, const TChannelData &r) const
{
    if (std::isnan(v))
        return 0;
    // A value off the codes' range stays at its edge: a present sample never
    // reads as missing (code 0).
    return std::uint8_t(std::clamp(std::nearbyint((v - r.YZero) / r.YMult + r.YOff), 1.0, 255.0));
}

// The scale, zero level and time base of the record; every time of the
// record and the zero level must be numbers.
bool ScopeCsvReader::Scales(TChannelData &r, QString &why) const
{
    double interval = 0, trigger = 0, offset = 0;
    if (!Scale(r.YMult, why) || !Number(SampleInterval, interval, why) ||
        !Number(TriggerPoint, trigger, why) || !Number(VerticalOffset, offset, why) ||
        (m_line[Yzero] && !Number(Yzero, r.YZero, why)))
        return false;
    r.XIncr = interval;
    r.PtOff = std::int32_t(std::clamp(std::nearbyint(trigger), -FarthestTrigger, FarthestTrigger));
    r.XZero = m_firstTime + r.PtOff * interval;
    // A positive offset raises the zero level: a capture of a signal between
    // 0 and 5 V saved at 1 V/div holds -4.2 V, its zero level moved down to
    // keep the trace on the screen. A transfer gives the same level as the
    // code YOff, which the screen draws its arrow at.
    r.YOff = CentreCode + offset / r.YMult;
    const double lastTime = (double(m_points) - r.PtOff) * interval + r.XZero;
    const Field wrong = !(interval > 0) || !std::isfinite(lastTime) ? SampleInterval
                        : std::fabs(trigger) > FarthestTrigger      ? TriggerPoint
                        : !std::isfinite(r.YOff)                    ? VerticalOffset
                                                                    : FieldCount;
    if (wrong == FieldCount)
        return true;
    why = QStringLiteral("Ligne %1 : « %2 » vaut « %3 », hors des valeurs possibles.")
              .arg(m_line[wrong])
              .arg(QLatin1String(Fields[wrong].Label))
              .arg(ShownInMessage(m_text[wrong]));
    return false;
}

bool ScopeCsvReader::Fill(TScopeCsv &out, QString &why) const
{
    const auto source = std::find_if(Sources.begin(), Sources.end(), [&](const SourceRow &s) {
        return SameLabel(m_text[Source], s.Text);
    });
    if (source == Sources.end()) {
        why = QStringLiteral("Ligne %1 : la source « %2 » n'est pas une voie de l'oscilloscope.")
                  .arg(m_line[Source])
                  .arg(ShownInMessage(m_text[Source]));
        return false;
    }
    TChannelData r;
    if (!Scales(r, why))
        return false;
    r.Present = true;
    r.Name = QLatin1String(source->Name);
    r.NrPt = std::int32_t(m_points);
    r.XUnit = FromWindows1252(m_text[HorizontalUnits]);
    // As a transfer does: "U" is the instrument's unknown unit.
    r.YUnit = m_text[VerticalUnits] == "U" ? QStringLiteral("Undefine")
                                           : FromWindows1252(m_text[VerticalUnits]);
    r.WfId = Description(r.YMult);
    for (std::size_t i = 0; i < m_points; ++i)
        r.Data[i] = Code(m_values[i], r);
    out.Record = std::move(r);
    out.Tag = source->Tag;
    return true;
}

} // namespace

bool LoadScopeCsv(std::string_view bytes, TScopeCsv &out, QString *why)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    if (bytes.starts_with(ByteOrderMark))
        bytes.remove_prefix(ByteOrderMark.size());
    ScopeCsvReader reader;
    QString reason;
    if (reader.Read(bytes, reason) && reader.Fill(out, reason))
        return true;
    if (why)
        *why = reason;
    return false;
}

bool LoadScopeCsvFile(const QString &fileName, TScopeCsv &out, QString *why)
{
    TReadableFile file;
    QString reason;
    std::string bytes;
    if (file.Open(fileName, reason)) {
        if (file.Size() > LargestFile) {
            reason = QStringLiteral("Le fichier fait %1 octets, plus qu'un oscillogramme de %2 points "
                                    "n'en demande.")
                         .arg(file.Size())
                         .arg(TChannelData::MaxPoints);
        } else {
            bytes.resize(std::size_t(file.Size()));
            const std::int64_t got = file.ReadAt(0, bytes.data(), bytes.size(), reason);
            if (got >= 0)
                return LoadScopeCsv(std::string_view(bytes.data(), std::size_t(got)), out, why);
        }
    }
    if (why)
        *why = reason;
    return false;
}

bool LooksLikeScopeCsv(std::string_view head)
{
    if (head.starts_with(ByteOrderMark))
        head.remove_prefix(ByteOrderMark.size());
    constexpr std::string_view Start = "Record Length,";
    return head.size() >= Start.size() && SameLabel(head.substr(0, Start.size()), Start);
}

// The binary values of a raw file: little-endian doubles point after point
// (or vector after vector when the file says so), complex values as two
// doubles, and in wide files without the "double" flag every real value but
// the abscissa as a 32-bit float. The block is read in pieces of a few
// megabytes straight into the columns.
#include "data/ByteSource.h"
#include "data/HugePages.h"
#include "data/SpiceRawValues.h"
#include <algorithm>
#include <cstring>

namespace
{

constexpr std::size_t PieceBytes = std::size_t(4) << 20;

double DoubleAt(const char *p)
{
    double v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

double FloatAt(const char *p)
{
    float v;
    std::memcpy(&v, p, sizeof v);
    return double(v);
}

// One value of the given width at p.
void Store(TColumnSink &sink, std::uint8_t width, std::size_t variable, std::size_t point,
           const char *p)
{
    switch (width) {
    case 4:
        sink.Real(variable, point, FloatAt(p));
        break;
    case 8:
        sink.Real(variable, point, DoubleAt(p));
        break;
    default:
        sink.Complex(variable, point, DoubleAt(p), DoubleAt(p + 8));
        break;
    }
}

QString CutShort(std::uint64_t offset)
{
    return QStringLiteral("Octet %1 : le fichier s'arrête avant la fin des valeurs.").arg(offset);
}

// Points [first, first + count) of a block that holds every point's values
// together; bytes holds exactly those points.
void StorePoints(TColumnSink &sink, const std::vector<std::uint8_t> &widths, std::size_t first,
                 std::size_t count, const char *bytes)
{
    const std::size_t variables = widths.size();
    const bool allDoubles =
        std::all_of(widths.begin(), widths.end(), [](std::uint8_t w) { return w == 8; });
    if (allDoubles) {
        for (std::size_t p = 0; p < count; ++p, bytes += 8 * variables) {
            for (std::size_t v = 0; v < variables; ++v)
                sink.Real(v, first + p, DoubleAt(bytes + 8 * v));
        }
        return;
    }
    for (std::size_t p = 0; p < count; ++p) {
        for (std::size_t v = 0; v < variables; ++v) {
            Store(sink, widths[v], v, first + p, bytes);
            bytes += widths[v];
        }
    }
}

bool ReadPointByPoint(TByteSource &source, std::uint64_t offset, const TRawHeader &header,
                      TColumnSink &sink, QString &why)
{
    const std::vector<std::uint8_t> widths = RawValueWidths(header);
    const std::uint64_t record = RawPointBytes(header);
    const std::size_t piece = std::size_t(std::max<std::uint64_t>(1, PieceBytes / record));
    for (std::uint64_t first = 0; first < header.Points; first += piece) {
        const std::size_t count = std::size_t(std::min<std::uint64_t>(piece, header.Points - first));
        const std::uint64_t at = offset + first * record;
        std::string_view bytes;
        if (!source.Read(at, count * record, bytes, why))
            return false;
        if (bytes.size() < count * record) {
            why = CutShort(at + bytes.size());
            return false;
        }
        StorePoints(sink, widths, std::size_t(first), count, bytes.data());
    }
    return true;
}

bool ReadVectorByVector(TByteSource &source, std::uint64_t offset, const TRawHeader &header,
                        TColumnSink &sink, QString &why)
{
    const std::vector<std::uint8_t> widths = RawValueWidths(header);
    for (std::size_t v = 0; v < widths.size(); ++v) {
        const std::size_t piece = PieceBytes / widths[v];
        for (std::uint64_t first = 0; first < header.Points; first += piece) {
            const std::size_t count =
                std::size_t(std::min<std::uint64_t>(piece, header.Points - first));
            std::string_view bytes;
            if (!source.Read(offset, count * widths[v], bytes, why))
                return false;
            if (bytes.size() < count * widths[v]) {
                why = CutShort(offset + bytes.size());
                return false;
            }
            for (std::size_t p = 0; p < count; ++p)
                Store(sink, widths[v], v, std::size_t(first) + p, bytes.data() + p * widths[v]);
            offset += count * widths[v];
        }
    }
    return true;
}

} // namespace

TColumnSink::TColumnSink(const TRawHeader &header, TRawColumns &columns)
    : m_columns(columns), m_complex(header.Complex),
      m_timeAxis(header.Variables.front().Type.compare(QLatin1String("time"),
                                                      Qt::CaseInsensitive) == 0),
      m_lastPhase(header.Variables.size(), Gap)
{
    const std::size_t variables = header.Variables.size();
    columns.assign(m_complex ? 2 * variables - 1 : variables, {});
    for (std::vector<double> &column : columns)
        ResizeSamples(column, int(header.Points));
}

std::vector<std::uint8_t> RawValueWidths(const TRawHeader &header)
{
    std::vector<std::uint8_t> widths(header.Variables.size(), 8);
    if (header.Complex)
        std::fill(widths.begin(), widths.end(), std::uint8_t(16));
    else if (header.Wide && !header.Double)
        std::fill(widths.begin() + 1, widths.end(), std::uint8_t(4));
    return widths;
}

std::uint64_t RawPointBytes(const TRawHeader &header)
{
    std::uint64_t bytes = 0;
    for (std::uint8_t width : RawValueWidths(header))
        bytes += width;
    return bytes;
}

bool ReadRawBinary(TByteSource &source, std::uint64_t offset, const TRawHeader &header,
                   TRawColumns &columns, QString &why)
{
    TColumnSink sink(header, columns);
    return header.FastAccess ? ReadVectorByVector(source, offset, header, sink, why)
                             : ReadPointByPoint(source, offset, header, sink, why);
}

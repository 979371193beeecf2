#include "render/EmfWriter.h"
#include "render/LeBuffer.h"
#include "render/MetafileWalk.h"
#include "render/PagePicture.h"
#include "render/QtColor.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

enum EmfType : std::uint32_t {
    emrHeader = 1,
    emrPolyBezier = 2,
    emrPolygon = 3,
    emrPolyline = 4,
    emrEof = 14,
    emrSetWindowExtEx = 9,
    emrSetViewportExtEx = 11,
    emrSetMapMode = 17,
    emrSetBkMode = 18,
    emrSetTextAlign = 22,
    emrSetTextColor = 24,
    emrSelectObject = 37,
    emrCreatePen = 38,
    emrCreateBrushIndirect = 39,
    emrDeleteObject = 40,
    emrEllipse = 42,
    emrRectangle = 43,
    emrExtCreateFontIndirectW = 82,
    emrExtTextOutW = 84,
    emrPolyBezier16 = 85,
    emrPolygon16 = 86,
    emrPolyline16 = 87,
};

constexpr std::uint32_t headerSize = 108;
constexpr qsizetype nBytesAt = 48;

// The reference device: 1920 x 1440 pixels on 508 x 381 mm is exactly 96
// pixels per inch, which is what readers take the logical unit's size from.
constexpr int deviceWidth = 1920;
constexpr int deviceHeight = 1440;
constexpr int deviceWidthMm = 508;
constexpr int deviceHeightMm = 381;

// Logical units per page unit, at most: readers that make polygons of
// ellipses in logical units round their vertices to the unit, which a
// page unit (a pixel) makes visible.
constexpr int finestSubdivision = 16;
// The stock object that is the null brush.
constexpr std::uint32_t nullBrush = 0x80000005;

void Head(LeBuffer &b, std::uint32_t type, std::uint32_t size)
{
    b.U32(type);
    b.U32(size);
}

void Rect(LeBuffer &b, int left, int top, int right, int bottom)
{
    b.I32(left);
    b.I32(top);
    b.I32(right);
    b.I32(bottom);
}

// Page units to hundredths of a millimetre at 96 per inch.
int HundredthsOfMm(int units)
{
    return int(std::lround(double(units) * 2540.0 / 96.0));
}

void Header(LeBuffer &b, int width, int height)
{
    const QString description =
        QStringLiteral("Scolivet") + QChar(0) + QStringLiteral("Page") + QChar(0) + QChar(0);
    const auto descriptionBytes = std::uint32_t(description.size() * 2);
    Head(b, emrHeader, (headerSize + descriptionBytes + 3) / 4 * 4);
    Rect(b, 0, 0, width - 1, height - 1);
    Rect(b, 0, 0, HundredthsOfMm(width) - 1, HundredthsOfMm(height) - 1);
    b.U32(0x464D4520); // " EMF"
    b.U32(0x10000);
    b.U32(0); // nBytes, nRecords, nHandles: patched at the end
    b.U32(0);
    b.U16(0);
    b.U16(0);
    b.U32(std::uint32_t(description.size()));
    b.U32(headerSize);
    b.U32(0); // no palette
    b.I32(deviceWidth);
    b.I32(deviceHeight);
    b.I32(deviceWidthMm);
    b.I32(deviceHeightMm);
    b.U32(0); // no pixel format, no OpenGL
    b.U32(0);
    b.U32(0);
    b.I32(deviceWidthMm * 1000);
    b.I32(deviceHeightMm * 1000);
    for (const QChar c : description)
        b.U16(c.unicode());
    b.PadTo(4);
}

void Value(LeBuffer &b, std::uint32_t type, std::uint32_t value)
{
    Head(b, type, 12);
    b.U32(value);
}

void Eof(LeBuffer &b)
{
    Head(b, emrEof, 20);
    b.U32(0);  // no palette entries
    b.U32(16); // their offset
    b.U32(20); // this record's size again
}

bool Fits16(std::span<const QPoint> points)
{
    constexpr int lo = std::numeric_limits<std::int16_t>::min();
    constexpr int hi = std::numeric_limits<std::int16_t>::max();
    return std::all_of(points.begin(), points.end(), [](QPoint p) {
        return p.x() >= lo && p.x() <= hi && p.y() >= lo && p.y() <= hi;
    });
}

// POLYLINE, POLYGON, POLYBEZIER: the 16-bit form when every point fits.
void Poly(LeBuffer &b, std::uint32_t type32, std::uint32_t type16, std::span<const QPoint> points)
{
    const bool small = Fits16(points);
    const auto n = std::uint32_t(points.size());
    Head(b, small ? type16 : type32, 28 + n * (small ? 4 : 8));
    const auto [minX, maxX] = std::minmax_element(points.begin(), points.end(),
                                                  [](QPoint p, QPoint q) { return p.x() < q.x(); });
    const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                                  [](QPoint p, QPoint q) { return p.y() < q.y(); });
    Rect(b, minX->x(), minY->y(), maxX->x(), maxY->y());
    b.U32(n);
    for (const QPoint p : points) {
        if (small) {
            b.I16(std::int16_t(p.x()));
            b.I16(std::int16_t(p.y()));
        } else {
            b.I32(p.x());
            b.I32(p.y());
        }
    }
}

// The finest subdivision of the page unit that keeps every coordinate and
// pen width of the picture within 32 bits.
int Subdivision(const PagePicture &picture)
{
    std::int64_t largest = std::max({picture.MFWidth(), picture.MFHeight(), 1});
    for (int i = 0; i < picture.Count(); ++i) {
        const PagePicture::Entry &e = picture.EntryAt(i);
        largest = std::max<std::int64_t>(largest, picture.StyleAt(e.StyleIndex).Pen.Width);
        for (const QPoint p : picture.PointsOf(e))
            largest = std::max({largest, std::abs(std::int64_t(p.x())),
                                std::abs(std::int64_t(p.y()))});
    }
    int k = finestSubdivision;
    while (k > 1 && largest * k > std::numeric_limits<std::int32_t>::max() / 2)
        k /= 2;
    return k;
}

class EmfRecords : public MetafileRecords
{
public:
    EmfRecords(LeBuffer &out, int subdivision) : b(out), k(subdivision) {}

    void CreatePen(int slot, const TPen &pen) override
    {
        Head(b, emrCreatePen, 28);
        b.U32(std::uint32_t(slot));
        b.U32(0); // solid
        b.I32(std::max(pen.Width, 1) * k);
        b.I32(0);
        b.U32(PlainColor(pen.Color));
    }
    void CreateBrush(int slot, const TBrush &brush) override
    {
        Head(b, emrCreateBrushIndirect, 24);
        b.U32(std::uint32_t(slot));
        b.U32(brush.Style == TBrushStyle::bsClear ? 1 : 0); // null or solid
        b.U32(PlainColor(brush.Color));
        b.U32(0);
    }
    bool SelectNullBrush() override
    {
        Value(b, emrSelectObject, nullBrush);
        return true;
    }
    void CreateFont(int slot, const TFont &font) override
    {
        Head(b, emrExtCreateFontIndirectW, 104);
        b.U32(std::uint32_t(slot));
        const TLogFont f = LogFont(font, k);
        for (const int v : {f.Height, 0, 0, 0, f.Weight})
            b.I32(v);
        for (const std::uint8_t v : {f.Italic, f.Underline, f.StrikeOut})
            b.U8(v);
        b.U8(1);  // default character set: the text is Unicode
        b.U32(0); // default precisions, quality, pitch and family
        for (int i = 0; i < 32; ++i)
            b.U16(i < f.FaceName.size() ? f.FaceName[i].unicode() : 0);
    }
    void SelectObject(int slot) override { Value(b, emrSelectObject, std::uint32_t(slot)); }
    void DeleteObject(int slot) override { Value(b, emrDeleteObject, std::uint32_t(slot)); }
    void SetTextColor(TColor color) override { Value(b, emrSetTextColor, PlainColor(color)); }

    void Polyline(std::span<const QPoint> points) override
    {
        Poly(b, emrPolyline, emrPolyline16, scaled(points));
    }
    void Polygon(std::span<const QPoint> points) override
    {
        Poly(b, emrPolygon, emrPolygon16, scaled(points));
    }
    void PolyBezier(std::span<const QPoint> points) override
    {
        Poly(b, emrPolyBezier, emrPolyBezier16, scaled(points));
    }
    void Rectangle(int left, int top, int right, int bottom) override
    {
        Head(b, emrRectangle, 24);
        Rect(b, left * k, top * k, right * k, bottom * k);
    }
    void Ellipse(int left, int top, int right, int bottom) override
    {
        Head(b, emrEllipse, 24);
        Rect(b, left * k, top * k, right * k, bottom * k);
    }
    void TextOut(QPoint baseline, QStringView text, std::span<const int> advances) override;

private:
    std::span<const QPoint> scaled(std::span<const QPoint> points)
    {
        m_points.resize(points.size());
        std::transform(points.begin(), points.end(), m_points.begin(),
                       [this](QPoint p) { return p * k; });
        return m_points;
    }

    LeBuffer &b;
    int k;
    std::vector<QPoint> m_points;
};

void EmfRecords::TextOut(QPoint baseline, QStringView text, std::span<const int> advances)
{
    constexpr std::uint32_t stringAt = 76;
    const auto n = std::uint32_t(text.size());
    const std::uint32_t dxAt = stringAt + (n * 2 + 3) / 4 * 4;
    Head(b, emrExtTextOutW, dxAt + n * 4);
    Rect(b, 0, 0, -1, -1); // bounds not computed
    b.U32(1);              // compatible graphics mode
    b.F32(0);
    b.F32(0);
    b.I32(baseline.x() * k);
    b.I32(baseline.y() * k);
    b.U32(n);
    b.U32(stringAt);
    b.U32(0); // no clipping, no opaque box
    Rect(b, 0, 0, -1, -1);
    b.U32(dxAt);
    for (const QChar c : text)
        b.U16(c.unicode());
    b.PadTo(4);
    for (const int dx : advances)
        b.I32(dx * k);
}

// Counts the records by their sizes, from the header on.
std::uint32_t RecordCount(const QByteArray &bytes)
{
    std::uint32_t count = 0;
    for (qsizetype at = 0; at + 8 <= bytes.size(); ++count) {
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at + 4);
        at += qsizetype(p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24);
    }
    return count;
}

} // namespace

QByteArray WriteEmf(const PagePicture &picture)
{
    LeBuffer b;
    b.Reserve(qsizetype(4096 + picture.PointCount() * 4 + picture.Count() * 40));
    Header(b, picture.MFWidth(), picture.MFHeight());
    // The page in logical units k times finer than the device's pixels.
    const int k = Subdivision(picture);
    const int width = std::max(picture.MFWidth(), 1);
    const int height = std::max(picture.MFHeight(), 1);
    Value(b, emrSetMapMode, 8); // anisotropic
    Head(b, emrSetWindowExtEx, 16);
    b.I32(width * k);
    b.I32(height * k);
    Head(b, emrSetViewportExtEx, 16);
    b.I32(width);
    b.I32(height);
    Value(b, emrSetBkMode, 1);     // transparent
    Value(b, emrSetTextAlign, 24); // left, baseline
    EmfRecords records(b, k);
    const int objects = WalkPicture(picture, records, 1);
    Eof(b);
    b.PatchU32(nBytesAt, std::uint32_t(b.Size()));
    b.PatchU32(nBytesAt + 4, RecordCount(b.Bytes()));
    b.PatchU16(nBytesAt + 8, std::uint16_t(objects + 1));
    return b.Bytes();
}

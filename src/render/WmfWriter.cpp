#include "render/WmfWriter.h"
#include "data/Windows1252.h"
#include "render/LeBuffer.h"
#include "render/MetafileWalk.h"
#include "render/PagePicture.h"
#include "render/QtColor.h"
#include <QLineF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

enum WmfFunction : std::uint16_t {
    metaEof = 0x0000,
    metaSetBkMode = 0x0102,
    metaSetMapMode = 0x0103,
    metaSelectObject = 0x012D,
    metaSetTextAlign = 0x012E,
    metaDeleteObject = 0x01F0,
    metaSetWindowOrg = 0x020B,
    metaSetWindowExt = 0x020C,
    metaSetTextColor = 0x0209,
    metaCreatePenIndirect = 0x02FA,
    metaCreateFontIndirect = 0x02FB,
    metaCreateBrushIndirect = 0x02FC,
    metaPolygon = 0x0324,
    metaPolyline = 0x0325,
    metaEllipse = 0x0418,
    metaRectangle = 0x041B,
    metaTextOut = 0x0521,
};

constexpr int maxCoordinate = 32767;
constexpr qsizetype placeableSize = 22;
constexpr qsizetype headerSize = 18;

void Head(LeBuffer &b, std::uint32_t words, WmfFunction function)
{
    b.U32(words);
    b.U16(function);
}

void Value(LeBuffer &b, WmfFunction function, std::uint16_t value)
{
    Head(b, 4, function);
    b.U16(value);
}

// Parameters (y, x), as SETWINDOWORG and SETWINDOWEXT store them.
void Pair(LeBuffer &b, WmfFunction function, int x, int y)
{
    Head(b, 5, function);
    b.I16(std::int16_t(y));
    b.I16(std::int16_t(x));
}

void Placeable(LeBuffer &b, int right, int bottom, int unitsPerInch)
{
    b.U32(0x9AC6CDD7);
    b.U16(0);
    b.I16(0);
    b.I16(0);
    b.I16(std::int16_t(right));
    b.I16(std::int16_t(bottom));
    b.U16(std::uint16_t(unitsPerInch));
    b.U32(0);
    std::uint16_t sum = 0;
    for (qsizetype at = 0; at < 20; at += 2)
        sum ^= std::uint16_t(std::uint8_t(b.Bytes()[at]) | std::uint8_t(b.Bytes()[at + 1]) << 8);
    b.U16(sum);
}

void Header(LeBuffer &b)
{
    b.U16(1); // in memory
    b.U16(9);
    b.U16(0x0300);
    b.U32(0); // size, object count, largest record: patched at the end
    b.U16(0);
    b.U32(0);
    b.U16(0);
}

// Fills in the header's size, object count and largest record.
void Finish(LeBuffer &b, int objects)
{
    const qsizetype at = placeableSize;
    std::uint32_t largest = 0;
    for (qsizetype r = at + headerSize; r + 6 <= b.Size();) {
        const auto *p = reinterpret_cast<const unsigned char *>(b.Bytes().constData() + r);
        const std::uint32_t words = p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
        largest = std::max(largest, words);
        r += qsizetype(words) * 2;
    }
    b.PatchU32(at + 6, std::uint32_t((b.Size() - at) / 2));
    b.PatchU16(at + 10, std::uint16_t(objects));
    b.PatchU32(at + 12, largest);
}

// A cubic Bézier as a polyline: each piece in steps of about two units.
std::vector<QPointF> Flatten(std::span<const QPoint> pts)
{
    std::vector<QPointF> out{QPointF(pts[0])};
    for (std::size_t k = 1; k + 2 < pts.size(); k += 3) {
        const QPointF p0 = pts[k - 1], p1 = pts[k], p2 = pts[k + 1], p3 = pts[k + 2];
        const double length =
            QLineF(p0, p1).length() + QLineF(p1, p2).length() + QLineF(p2, p3).length();
        const int steps = std::clamp(int(std::ceil(length / 2)), 1, 128);
        for (int i = 1; i <= steps; ++i) {
            const double t = double(i) / steps, u = 1 - t;
            out.push_back(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 +
                          t * t * t * p3);
        }
    }
    return out;
}

class WmfRecords : public MetafileRecords
{
public:
    WmfRecords(LeBuffer &out, double scale) : b(out), m_scale(scale) {}

    void CreatePen(int, const TPen &pen) override
    {
        Head(b, 8, metaCreatePenIndirect);
        b.U16(0); // solid
        b.I16(std::int16_t(std::max(1, coord(std::max(pen.Width, 1)))));
        b.I16(0);
        b.U32(PlainColor(pen.Color));
    }
    void CreateBrush(int, const TBrush &brush) override
    {
        Head(b, 7, metaCreateBrushIndirect);
        b.U16(brush.Style == TBrushStyle::bsClear ? 1 : 0); // null or solid
        b.U32(PlainColor(brush.Color));
        b.U16(0);
    }
    void CreateFont(int, const TFont &font) override
    {
        Head(b, 28, metaCreateFontIndirect);
        const TLogFont f = LogFont(font, m_scale);
        for (const int v : {std::max(f.Height, -maxCoordinate), 0, 0, 0, f.Weight})
            b.I16(std::int16_t(v));
        for (const std::uint8_t v : {f.Italic, f.Underline, f.StrikeOut})
            b.U8(v);
        b.U8(0);  // Windows-1252
        b.U32(0); // default precisions, quality, pitch and family
        const QByteArray face = ToWindows1252(f.FaceName).leftJustified(32, '\0', true);
        b.Raw(face);
    }
    // Slots are implicit in this format: the lowest free one, as the walk does.
    void SelectObject(int slot) override { Value(b, metaSelectObject, std::uint16_t(slot)); }
    void DeleteObject(int slot) override { Value(b, metaDeleteObject, std::uint16_t(slot)); }
    void SetTextColor(TColor color) override
    {
        Head(b, 5, metaSetTextColor);
        b.U32(PlainColor(color));
    }

    void Polyline(std::span<const QPoint> points) override
    {
        m_points.assign(points.begin(), points.end());
        polyline();
    }
    void Polygon(std::span<const QPoint> points) override;
    void PolyBezier(std::span<const QPoint> points) override
    {
        const std::vector<QPointF> flat = Flatten(points);
        m_points.assign(flat.begin(), flat.end());
        polyline();
    }
    void Rectangle(int left, int top, int right, int bottom) override
    {
        box(metaRectangle, left, top, right, bottom);
    }
    void Ellipse(int left, int top, int right, int bottom) override
    {
        box(metaEllipse, left, top, right, bottom);
    }
    // Readers space the text with the font's own advances.
    bool TakesAdvances() const override { return false; }
    void TextOut(QPoint baseline, QStringView text, std::span<const int>) override;

private:
    // Page units to metafile units, kept within 16 bits.
    int coord(double v) const
    {
        return int(
            std::clamp(std::round(v * m_scale), -double(maxCoordinate) - 1, double(maxCoordinate)));
    }

    void poly(WmfFunction function, std::span<const QPointF> points)
    {
        Head(b, std::uint32_t(4 + 2 * points.size()), function);
        b.I16(std::int16_t(points.size()));
        for (const QPointF p : points) {
            b.I16(std::int16_t(coord(p.x())));
            b.I16(std::int16_t(coord(p.y())));
        }
    }

    // A polyline's count is 16-bit: longer ones go in pieces that share
    // their end points.
    void polyline()
    {
        const std::span<const QPointF> all(m_points);
        for (std::size_t start = 0; start + 1 < all.size(); start += maxCoordinate - 1)
            poly(metaPolyline,
                 all.subspan(start, std::min<std::size_t>(maxCoordinate, all.size() - start)));
    }

    void box(WmfFunction function, int left, int top, int right, int bottom)
    {
        Head(b, 7, function);
        for (const int v : {bottom, right, top, left})
            b.I16(std::int16_t(coord(v)));
    }

    LeBuffer &b;
    double m_scale;
    std::vector<QPointF> m_points;
};

// A polygon cannot be split: one with more vertices than the count holds
// keeps an evenly spread subset of them.
void WmfRecords::Polygon(std::span<const QPoint> points)
{
    const std::size_t step = (points.size() + maxCoordinate - 1) / maxCoordinate;
    m_points.clear();
    for (std::size_t i = 0; i < points.size(); i += step)
        m_points.emplace_back(points[i]);
    poly(metaPolygon, m_points);
}

void WmfRecords::TextOut(QPoint baseline, QStringView text, std::span<const int>)
{
    const QByteArray bytes = ToWindows1252(text.left(maxCoordinate - 1));
    const auto padded = std::uint32_t((bytes.size() + 1) / 2 * 2);
    Head(b, 6 + padded / 2, metaTextOut);
    b.U16(std::uint16_t(bytes.size()));
    b.Raw(bytes);
    b.PadTo(2);
    b.I16(std::int16_t(coord(baseline.y())));
    b.I16(std::int16_t(coord(baseline.x())));
}

} // namespace

QByteArray WritePlaceableWmf(const PagePicture &picture)
{
    // A large page takes fewer units per inch, a whole number of them, so
    // that it keeps its size.
    const int largest = std::max({picture.MFWidth(), picture.MFHeight(), 1});
    int unitsPerInch = 96;
    double scale = 1.0;
    if (largest > maxCoordinate) {
        unitsPerInch = std::max(1, int(96.0 * maxCoordinate / largest));
        scale = std::min(unitsPerInch / 96.0, double(maxCoordinate) / largest);
    }
    const int width = int(std::lround(picture.MFWidth() * scale));
    const int height = int(std::lround(picture.MFHeight() * scale));
    LeBuffer b;
    b.Reserve(qsizetype(4096 + picture.PointCount() * 4 + picture.Count() * 24));
    Placeable(b, width, height, unitsPerInch);
    Header(b);
    Value(b, metaSetMapMode, 8); // anisotropic: the window below is the page
    Pair(b, metaSetWindowOrg, 0, 0);
    Pair(b, metaSetWindowExt, width, height);
    Value(b, metaSetBkMode, 1);     // transparent
    Value(b, metaSetTextAlign, 24); // left, baseline
    WmfRecords records(b, scale);
    const int objects = WalkPicture(picture, records, 0);
    Head(b, 3, metaEof);
    Finish(b, objects);
    return b.Bytes();
}

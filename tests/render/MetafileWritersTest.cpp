// The EMF and placeable WMF files.
#include "render/EmfWriter.h"
#include "render/RecordingCanvas.h"
#include "render/WmfWriter.h"
#include "support/Golden.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace
{

std::uint32_t U16(const QByteArray &b, qsizetype at)
{
    return std::uint8_t(b[at]) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}
std::int32_t I16(const QByteArray &b, qsizetype at)
{
    return std::int16_t(U16(b, at));
}
std::uint32_t U32(const QByteArray &b, qsizetype at)
{
    return U16(b, at) | U16(b, at + 2) << 16;
}

struct Record {
    std::uint32_t type; // EMF type, or WMF function
    qsizetype at;       // where the record starts
    qsizetype size;     // in bytes
};

// EMF: u32 type, u32 size in bytes. Stops at the first bad size.
std::vector<Record> EmfTable(const QByteArray &emf)
{
    std::vector<Record> table;
    for (qsizetype at = 0; at + 8 <= emf.size();) {
        const qsizetype size = U32(emf, at + 4);
        if (size < 8 || size % 4 != 0 || at + size > emf.size())
            break;
        table.push_back({U32(emf, at), at, size});
        at += size;
    }
    return table;
}

// WMF after the placeable and metafile headers: u32 size in words, u16 function.
std::vector<Record> WmfTable(const QByteArray &wmf)
{
    std::vector<Record> table;
    for (qsizetype at = 22 + 18; at + 6 <= wmf.size();) {
        const qsizetype size = qsizetype(U32(wmf, at)) * 2;
        if (size < 6 || at + size > wmf.size())
            break;
        table.push_back({U16(wmf, at + 4), at, size});
        at += size;
    }
    return table;
}

std::vector<Record> Only(const std::vector<Record> &table, std::uint32_t type)
{
    std::vector<Record> found;
    std::copy_if(table.begin(), table.end(), std::back_inserter(found),
                 [&](const Record &r) { return r.type == type; });
    return found;
}

class MetafileWritersTest : public ::testing::Test
{
protected:
    PagePicture picture{300, 200};
    RecordingCanvas canvas{picture};

    // One of every drawing kind.
    void DrawSample()
    {
        canvas.Brush = {clSilver, TBrushStyle::bsSolid};
        canvas.Rectangle(0, 0, 300, 200);
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.Pen = {clRed, 4};
        canvas.Ellipse(10, 10, 90, 60);
        canvas.MoveTo(0, 100);
        canvas.LineTo(150, 120);
        canvas.LineTo(299, 100);
        const QPoint bezier[] = {{10, 150}, {60, 100}, {110, 200}, {160, 150}};
        canvas.PolyBezier(bezier);
        const QPoint triangle[] = {{200, 10}, {250, 60}, {200, 60}};
        canvas.Polygon(triangle);
        canvas.Font.Size = 30;
        canvas.TextOut(120, 20, QStringLiteral("10 kΩ µs"));
        canvas.Font.Color = clBlue;
        canvas.Brush = {clYellow, TBrushStyle::bsSolid};
        canvas.TextOut(120, 80, QStringLiteral("Tension (V) 𝛼"));
    }
};

// Every kind of drawing, pen, brush and font changes (objects reusing their
// slots), texts in both character sets with a surrogate pair: the headers,
// record table, coordinates and texts compared at once with reference files.
TEST_F(MetafileWritersTest, SamplePageIsWrittenExactly)
{
    DrawSample();
    ExpectGolden(QStringLiteral("render/golden/sample.emf"), WriteEmf(picture));
    ExpectGolden(QStringLiteral("render/golden/sample.wmf"), WritePlaceableWmf(picture));
}

TEST_F(MetafileWritersTest, LargePagesFitWmfsSixteenBitsAndUseLongEmfRecords)
{
    picture.Reset(100000, 50000);
    canvas.MoveTo(0, 0);
    canvas.LineTo(100000, 50000);
    canvas.LineTo(200000, -50000); // off the page

    const QByteArray wmf = WritePlaceableWmf(picture);
    const int right = I16(wmf, 10), bottom = I16(wmf, 12);
    const double unit = 96.0 / U16(wmf, 14); // page units per metafile unit
    EXPECT_GT(right, 30000);
    EXPECT_NEAR(right * unit, 100000, unit);
    EXPECT_NEAR(bottom * unit, 50000, unit);
    const std::vector<Record> lines = Only(WmfTable(wmf), 0x0325);
    ASSERT_EQ(lines.size(), 1u);
    const qsizetype at = lines[0].at + 6;
    EXPECT_EQ(QPoint(I16(wmf, at + 6), I16(wmf, at + 8)), QPoint(right, bottom));
    EXPECT_EQ(QPoint(I16(wmf, at + 10), I16(wmf, at + 12)), QPoint(32767, -bottom));

    const std::vector<Record> table = EmfTable(WriteEmf(picture));
    EXPECT_TRUE(Only(table, 87).empty());
    EXPECT_EQ(Only(table, 4).size(), 1u);
}

} // namespace

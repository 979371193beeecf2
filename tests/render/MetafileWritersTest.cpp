// The EMF and placeable WMF files, read back byte by byte: headers, the
// record table, coordinates, texts.
#include "render/EmfWriter.h"
#include "render/RecordingCanvas.h"
#include "render/WmfWriter.h"
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
std::int32_t I32(const QByteArray &b, qsizetype at)
{
    return std::int32_t(U32(b, at));
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
    }
};

TEST_F(MetafileWritersTest, EmfRecordsFillTheFileAndTheHeaderDescribesThePageAt96Dpi)
{
    DrawSample();
    const QByteArray emf = WriteEmf(picture);
    const std::vector<Record> table = EmfTable(emf);
    ASSERT_GT(table.size(), 2u);
    EXPECT_EQ(table.back().at + table.back().size, emf.size());
    EXPECT_EQ(table.front().type, 1u);
    EXPECT_EQ(table.back().type, 14u);
    EXPECT_EQ(U32(emf, 40), 0x464D4520u);
    EXPECT_EQ(U32(emf, 48), std::uint32_t(emf.size()));
    EXPECT_EQ(U32(emf, 52), table.size());
    // Bounds in pixels; frame in hundredths of a millimetre, both inclusive.
    EXPECT_EQ(I32(emf, 16), 299);
    EXPECT_EQ(I32(emf, 20), 199);
    EXPECT_NEAR(I32(emf, 32) * 96.0 / 2540, 300, 0.1);
    EXPECT_NEAR(I32(emf, 36) * 96.0 / 2540, 200, 0.1);
    // The reference device is exactly 96 pixels per inch both ways.
    for (qsizetype axis : {0, 4}) {
        EXPECT_EQ(I32(emf, 72 + axis) * 254, I32(emf, 80 + axis) * 960);
        EXPECT_EQ(I32(emf, 80 + axis) * 1000, I32(emf, 100 + axis));
    }
    // The Bézier stays one.
    const std::vector<Record> curves = Only(table, 85);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(U32(emf, curves[0].at + 24), 4u);
    // Every object handle lies within the handle table.
    for (const std::uint32_t create : {38u, 39u, 82u})
        for (const Record &r : Only(table, create))
            EXPECT_LT(U32(emf, r.at + 8), U16(emf, 56));
}

TEST_F(MetafileWritersTest, WmfHasItsKeyChecksumWindowAndRecordTable)
{
    DrawSample();
    const QByteArray wmf = WritePlaceableWmf(picture);
    EXPECT_EQ(U32(wmf, 0), 0x9AC6CDD7u);
    std::uint32_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= U16(wmf, 2 * i);
    EXPECT_EQ(U16(wmf, 20), sum);
    EXPECT_EQ(I16(wmf, 10), 300);
    EXPECT_EQ(I16(wmf, 12), 200);
    EXPECT_EQ(U16(wmf, 14), 96u);

    const std::vector<Record> table = WmfTable(wmf);
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.back().at + table.back().size, wmf.size());
    EXPECT_EQ(table.back().type, 0u);
    EXPECT_EQ(U32(wmf, 22 + 6) * 2, std::uint32_t(wmf.size() - 22));
    const auto largest = std::max_element(table.begin(), table.end(),
                                          [](auto &a, auto &b) { return a.size < b.size; });
    EXPECT_EQ(U32(wmf, 22 + 12) * 2, std::uint32_t(largest->size));
    const std::vector<Record> window = Only(table, 0x020C);
    ASSERT_EQ(window.size(), 1u);
    EXPECT_EQ(I16(wmf, window[0].at + 6), 200);
    EXPECT_EQ(I16(wmf, window[0].at + 8), 300);
    for (const Record &r : Only(table, 0x012D))
        EXPECT_LT(U16(wmf, r.at + 6), U16(wmf, 22 + 10));
    // The Bézier, flattened, is the polyline after the line run.
    const std::vector<Record> lines = Only(table, 0x0325);
    ASSERT_EQ(lines.size(), 2u);
    const qsizetype at = lines[1].at + 6;
    const int n = I16(wmf, at);
    EXPECT_GT(n, 10);
    EXPECT_EQ(QPoint(I16(wmf, at + 2), I16(wmf, at + 4)), QPoint(10, 150));
    EXPECT_EQ(QPoint(I16(wmf, at + 4 * n - 2), I16(wmf, at + 4 * n)), QPoint(160, 150));
}

TEST_F(MetafileWritersTest, TextsAreUtf16InEmfAndWindows1252InWmfWithTheEmHeight)
{
    DrawSample();
    const QByteArray emf = WriteEmf(picture);
    const std::vector<Record> emfTexts = Only(EmfTable(emf), 84);
    ASSERT_EQ(emfTexts.size(), 1u);
    const QString utf16 = QStringLiteral("10 kΩ µs");
    const qsizetype string = emfTexts[0].at + U32(emf, emfTexts[0].at + 48);
    EXPECT_EQ(emf.mid(string, utf16.size() * 2),
              QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2));
    const std::vector<Record> emfFonts = Only(EmfTable(emf), 82);
    ASSERT_EQ(emfFonts.size(), 1u);
    EXPECT_EQ(I32(emf, emfFonts[0].at + 12), -40);

    const QByteArray wmf = WritePlaceableWmf(picture);
    const std::vector<Record> wmfTexts = Only(WmfTable(wmf), 0x0521);
    ASSERT_EQ(wmfTexts.size(), 1u);
    EXPECT_EQ(U16(wmf, wmfTexts[0].at + 6), 8u);
    EXPECT_EQ(wmf.mid(wmfTexts[0].at + 8, 8), QByteArray("10 k? \xB5s"));
    const std::vector<Record> wmfFonts = Only(WmfTable(wmf), 0x02FB);
    ASSERT_EQ(wmfFonts.size(), 1u);
    EXPECT_EQ(I16(wmf, wmfFonts[0].at + 6), -40);
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

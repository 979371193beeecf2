// The EMF and placeable WMF files.
#include "render/EmfWriter.h"
#include "render/RecordingCanvas.h"
#include "render/WmfWriter.h"
#include "support/Golden.h"
#include <gtest/gtest.h>

namespace
{

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

// A page larger than WMF's 16 bits: its units scaled down and what lies far
// off the page held at the largest coordinate; the EMF in 32-bit records.
TEST_F(MetafileWritersTest, LargePageIsWrittenExactly)
{
    picture.Reset(100000, 50000);
    canvas.MoveTo(0, 0);
    canvas.LineTo(100000, 50000);
    canvas.LineTo(200000, -50000);
    ExpectGolden(QStringLiteral("render/golden/large.emf"), WriteEmf(picture));
    ExpectGolden(QStringLiteral("render/golden/large.wmf"), WritePlaceableWmf(picture));
}

} // namespace

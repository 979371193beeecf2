// Drawing, measuring, hit test and selection frame of a free text.
#include "annotations/TTexte.h"
#include "AnnotationFixture.h"

namespace
{

class TTexteTest : public AnnotationFixture
{
protected:
    TTexteTest()
    {
        text = Add(new TTexte(graph));
        text->Texte = QStringLiteral("Vs = 10 kΩ");
        text->SetColor(clNavy);
        text->DX = 400;
        text->DY = 300; // anchor (400, 1200)
    }
    TTexte *text;
};

// Where and how a text is drawn is checked on a whole page.
TEST_F(TTexteTest, DrawingKeepsTheMeasuredSize)
{
    Record(*text);
    PagePicture scratch;
    RecordingCanvas measure(scratch);
    measure.Font = text->Font;
    const QSize extent = measure.TextExtent(text->Texte);
    ASSERT_GT(extent.height(), 0);
    EXPECT_EQ(QSize(text->Largeur, text->Hauteur), extent);
}

TEST_F(TTexteTest, HitTestIsTheMeasuredBoxWidenedByToleranceWithStrictBounds)
{
    Record(*text);
    const int l = text->Largeur, h = text->Hauteur, x0 = 400, y0 = 1200, mx = x0 + l / 2,
              my = y0 - h / 2;
    struct Case {
        int x, y;
        bool hit;
    };
    // Tolerance is 15 page units at zoom 1.
    const Case cases[] = {
        {x0 - 14, my, true},      {x0 - 15, my, false}, {x0 + l + 15, my, false},
        {mx, y0 - h - 15, false}, {mx, y0 + 14, true},  {mx, y0 + 15, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(text->HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;

    page.SetZoom(4); // 3.75 units
    EXPECT_TRUE(text->HitTest(x0 - 3, my));
    EXPECT_FALSE(text->HitTest(x0 - 4, my));
}

TEST_F(TTexteTest, AHiddenTextStillAnswersWithItsLastSize)
{
    Record(*text);
    const int l = text->Largeur;
    text->LockXY = true;
    text->RefX = 50; // beyond the scale
    text->Texte = QStringLiteral("x");
    EXPECT_EQ(Record(*text).Count(), 0);
    EXPECT_EQ(text->Largeur, l);
    EXPECT_TRUE(text->HitTest(text->GetX() + l - 1, text->GetY()));
}

TEST_F(TTexteTest, SelectionFrameIsTheBoxInPixelsWithTheMoveHandleOnly)
{
    text->Largeur = 100;
    text->Hauteur = 45;
    struct Case {
        int zoom, offX, offY, w, h;
    };
    // round(zoom x size / 3): 33.3 -> 33, 15; 66.7 -> 67, 30
    const Case cases[] = {{1, 0, 0, 33, 15}, {2, 5, -7, 67, 30}};
    for (const Case &c : cases) {
        page.SetZoom(c.zoom);
        PagePicture picture(1007, 707);
        RecordingCanvas screen(picture);
        text->DrawSelection(screen, c.offX, c.offY);
        const QPoint p = text->GetScreenPoint() + QPoint(c.offX, c.offY);
        ASSERT_EQ(picture.Count(), 5);
        EXPECT_EQ(std::tuple(picture.At(0).Points[0], picture.At(1).Points[1],
                             picture.At(4).Kind, picture.At(4).Points[0]),
                  std::tuple(p, p + QPoint(c.w, -c.h), TPictureOp::Ellipse, p - QPoint(3, 3)));
    }
    EXPECT_EQ(text->GetSizeHandle(), QPoint(-1, -1));
    PagePicture none(1007, 707);
    RecordingCanvas screen(none);
    text->DrawSizing(screen, 10, 10);
    EXPECT_TRUE(none.IsEmpty());
}

} // namespace

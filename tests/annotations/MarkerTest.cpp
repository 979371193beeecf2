// Markers: anchored to a value, visible with it, moved only across their
// line, with a selection mark that follows that move.
#include "annotations/Marker.h"
#include "AnnotationFixture.h"

namespace
{

class MarkerTest : public AnnotationFixture
{
protected:
    // The common move of the editing tools, by (dx, dy) page units.
    static void Drag(TDessin *d, int dx, int dy)
    {
        d->SetDX(d->DX + dx);
        d->SetDY(d->DY - dy);
    }
};

TEST_F(MarkerTest, AHorizontalMarkerAtTheTopOfTheScaleHidesWhenTheScaleNarrows)
{
    auto *m = Add(new THMarker(graph));
    m->RefY = 1;
    const PagePicture picture = Record(*m);
    const auto lines = RecordsOf(picture, TPictureOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::pair(lines[0].Points[0], lines[0].Points[1]),
              std::pair(QPoint(2700, 150), QPoint(300, 150)));

    graph->YMax = 0.5; // level 1 now maps to y = -250
    EXPECT_EQ(Record(*m).Count(), 0);
    EXPECT_TRUE(m->HitTest(1500, -250));
}

TEST_F(MarkerTest, DraggingMovesTheValueAcrossTheLineOnly)
{
    auto *h = Add(new THMarker(graph));
    h->RefY = 0.5; // y = 450
    Drag(h, 400, 0);
    EXPECT_DOUBLE_EQ(h->RefY, 0.5);
    Drag(h, 400, 12);
    EXPECT_DOUBLE_EQ(h->RefY, graph->PageToY(462));
    EXPECT_EQ(QPoint(h->DX, h->DY), QPoint(0, 0));

    auto *v = Add(new TVMarker(graph));
    v->RefX = 5; // x = 1500
    Drag(v, 0, 300);
    EXPECT_DOUBLE_EQ(v->RefX, 5);
    Drag(v, -30, 300);
    EXPECT_DOUBLE_EQ(v->RefX, graph->PageToX(1470));
}

TEST_F(MarkerTest, TheSelectionLineFollowsTheDragAcrossItOnly)
{
    auto *v = Add(new TVMarker(graph));
    v->RefX = 5;
    PagePicture marks(1007, 707);
    RecordingCanvas screen(marks);
    v->DrawSelection(screen, 7, 9);
    const int x = page.ScreenX(1500) + 7;
    const auto frame = RecordsOf(marks, TPictureOp::Line);
    ASSERT_FALSE(frame.empty());
    EXPECT_EQ(std::pair(frame[0].Points[0], frame[0].Points[1]),
              std::pair(QPoint(x, page.ScreenY(1350)), QPoint(x, page.ScreenY(150))));
    const auto handle = RecordsOf(marks, TPictureOp::Ellipse);
    ASSERT_EQ(handle.size(), 1u);
    EXPECT_EQ(handle[0].Points[0], QPoint(x - 3, page.ScreenY(750) + 9 - 3));
    EXPECT_EQ(v->GetSizeHandle(), QPoint(-1, -1));
}

} // namespace

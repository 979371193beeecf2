// Anchor, visibility, move/resize primitives, selection
// marks and the current style exchange of the annotation base.
#include "AnnotationFixture.h"
#include "annotations/Marker.h"
#include "annotations/TArrow.h"
#include "annotations/TCircle.h"
#include "annotations/TLine.h"
#include "annotations/TRecta.h"
#include "annotations/TTexte.h"

namespace
{

class TDessinTest : public AnnotationFixture
{
protected:
    TTexte *Text(const QString &s = QStringLiteral("Vs"))
    {
        auto *t = Add(new TTexte(graph));
        t->Texte = s;
        return t;
    }
};

TEST_F(TDessinTest, UnanchoredZeroOffsetsSitOnTheLowerLeftCornerWhereverTheGraphIs)
{
    TTexte *t = Text();
    EXPECT_EQ(QPoint(t->GetX(), t->GetY()), QPoint(0, 1500));
    graph->Left = 120;
    graph->Top = 700;
    EXPECT_EQ(QPoint(t->GetX(), t->GetY()), QPoint(120, 2200));
    t->SetDX(30);
    t->SetDY(40); // upward
    EXPECT_EQ(QPoint(t->GetX(), t->GetY()), QPoint(150, 2160));
}

TEST_F(TDessinTest, AnchoredPositionFollowsTheReferencePointAndTheScale)
{
    TTexte *t = Text();
    t->LockXY = true;
    t->RefX = 5;
    t->RefY = 0.5;
    t->DX = 10;
    t->DY = 20;
    t->Largeur = -33;
    t->Hauteur = 12;
    // x: 3000 * (0.1 + 0.8 * 0.5) = 1500; y: 1500 - 1500 * (0.1 + 0.8 * 0.75) = 450.
    EXPECT_EQ(QPoint(t->GetX(), t->GetY()), QPoint(1510, 430));
    EXPECT_EQ(QPoint(t->GetX2(), t->GetY2()), QPoint(1477, 442));
    graph->XMax = 20; // the reference point moves left with the scale
    EXPECT_EQ(t->GetX(), 910);
}

TEST_F(TDessinTest, VisibilityIncludesTheScaleBoundsOnly)
{
    struct Case {
        bool lock;
        double refX, refY;
        bool visible;
    };
    const Case cases[] = {
        {true, 10, 0, true},         {true, 10.000001, 0, false}, {true, -1e-9, 0, false},
        {true, 5, 1.0000001, false}, {false, 1e9, -1e9, true},
    };
    TTexte *t = Text();
    for (const Case &c : cases) {
        t->LockXY = c.lock;
        t->RefX = c.refX;
        t->RefY = c.refY;
        EXPECT_EQ(t->IsVisible(), c.visible) << c.lock << " " << c.refX << " " << c.refY;
    }
}

// Dragging and resizing through the mouse are checked by the editing tool
// tests; here the anchored case, which they do not reach.
TEST_F(TDessinTest, AnAnchoredShapeIsPlacedByItsOffsetsAndSizedByItsExtent)
{
    // Created by dragging right-to-left and bottom-to-top: negative extent.
    TTexte *t = Text();
    t->LockXY = true;
    t->RefX = 3;
    t->RefY = 0.25;
    t->MoveX(1000);
    t->MoveY(800);
    t->SetX2(600);
    t->SetY2(500);
    EXPECT_EQ(QPoint(t->Largeur, t->Hauteur), QPoint(-400, -300));
    t->SetDX(t->DX + 100);
    t->SetDY(t->DY + 50);
    EXPECT_EQ(QPoint(t->GetX(), t->GetY()), QPoint(1100, 750));
    EXPECT_EQ(QPoint(t->GetX2(), t->GetY2()), QPoint(700, 450));
}

struct FrameCase {
    const char *what;
    TDessin *shape;
    bool sizing;
    QRect frame;         // (X1, Y1) - (X2, Y2) as given to DrawFrame
    QPoint move, resize; // handle centres
};

TEST_F(TDessinTest, SelectionFramesFollowTheDragAndSizingKeepsTheAnchor)
{
    const auto place = [&](TDessin *d) {
        d->MoveX(1500);
        d->MoveY(750);
        d->SetX2(1800);
        d->SetY2(960);
        return Add(d);
    };
    TDessin *recta = place(new TRecta(graph));
    TDessin *circle = place(new TCircle(graph));
    // The anchor and the second point on the screen.
    const int ax = page.ScreenX(1500), ay = page.ScreenY(750);
    const int bx = page.ScreenX(1800), by = page.ScreenY(960);
    const int ox = 10, oy = -6;
    // clang-format off
    const FrameCase cases[] = {
        {"rectangle sized", recta, true, QRect(QPoint(ax, by + oy), QPoint(bx + ox, ay)),
         {ax, ay}, {bx + ox, by + oy}},
        {"circle moved", circle, false,
         QRect(QPoint(page.ScreenX(1200) + ox, by + oy), QPoint(bx + ox, page.ScreenY(540) + oy)),
         {ax + ox, ay + oy}, {bx + ox, by + oy}},
        {"circle sized", circle, true,
         QRect(QPoint(2 * ax - bx - ox, by + oy), QPoint(bx + ox, 2 * ay - by - oy)),
         {ax, ay}, {bx + ox, by + oy}},
    };
    // clang-format on
    for (const FrameCase &c : cases) {
        PagePicture marks(1007, 707);
        RecordingCanvas screen(marks);
        if (c.sizing)
            c.shape->DrawSizing(screen, ox, oy);
        else
            c.shape->DrawSelection(screen, ox, oy);
        const auto lines = RecordsOf(marks, TPictureOp::Line);
        const auto handle = RecordsOf(marks, TPictureOp::Ellipse);
        const auto size = RecordsOf(marks, TPictureOp::Rectangle);
        ASSERT_EQ(std::tuple(lines.size(), handle.size(), size.size()), std::tuple(4u, 1u, 1u));
        EXPECT_EQ(std::tuple(lines[1].Points[0], lines[2].Points[0], handle[0].Points[0],
                             size[0].Points[0]),
                  std::tuple(c.frame.topLeft(), c.frame.topRight(), c.move - QPoint(3, 3),
                             c.resize - QPoint(3, 3)))
            << c.what;
    }
}

// A box dragged flat is the line between its corners, drawn with the pen;
// a box with some width and height, or with neither, stays a box.
TEST_F(TDessinTest, FlatShapesAreDrawnAsTheLineTheyAre)
{
    struct Case {
        bool circle;
        QPoint corner;
        TPictureOp kind;
        std::vector<QPoint> points;
    };
    const Case cases[] = {
        {false, {1800, 750}, TPictureOp::Line, {{1500, 750}, {1800, 750}}},
        {false, {1500, 960}, TPictureOp::Line, {{1500, 750}, {1500, 960}}},
        {true, {1800, 750}, TPictureOp::Line, {{1200, 750}, {1800, 750}}},
        {true, {1500, 960}, TPictureOp::Line, {{1500, 540}, {1500, 960}}},
        {true, {1800, 960}, TPictureOp::Ellipse, {{1200, 540}, {1800, 960}}},
        {false, {1500, 750}, TPictureOp::Rectangle, {{1500, 750}, {1500, 750}}},
    };
    for (const Case &c : cases) {
        TDessin *d = c.circle ? static_cast<TDessin *>(new TCircle(graph)) : new TRecta(graph);
        Add(d);
        d->Epais = 3;
        d->MoveX(1500);
        d->MoveY(750);
        d->SetX2(c.corner.x());
        d->SetY2(c.corner.y());
        PagePicture picture(3000, 1500);
        RecordingCanvas canvas(picture);
        d->Draw(canvas);
        ASSERT_EQ(picture.Count(), 1);
        const PictureRecord r = picture.At(0);
        EXPECT_EQ(std::tuple(r.Kind, std::vector<QPoint>(r.Points.begin(), r.Points.end()), r.Pen.Width),
                  std::tuple(c.kind, c.points, 3))
            << c.circle << " " << c.corner.x() << "," << c.corner.y();
    }
}

TEST_F(TDessinTest, EachKindExchangesItsOwnStyleFields)
{
    auto *line = Add(new TLine(graph));
    auto *arrow = Add(new TArrow(graph));
    auto *recta = Add(new TRecta(graph));
    auto *marker = Add(new TVMarker(graph));
    page.DefColor = clNavy;
    page.DefEpais = 9;
    page.DefFill = true;
    page.DefArrowSize = 55;
    page.DefDoubleArrow = true;
    page.DefFont = TFont{QStringLiteral("Arial"), 12, true};
    auto *text = Add(new TTexte(graph)); // born with the current style
    EXPECT_EQ(std::tuple(text->GetColor(), text->Epais, text->Font.Name),
              std::tuple(clNavy, 9, QStringLiteral("Arial")));
    for (TDessin *d : std::initializer_list<TDessin *>{line, arrow, recta, marker}) {
        d->ApplyDefaults();
        EXPECT_EQ(std::tuple(d->GetColor(), d->Epais), std::tuple(clNavy, 9));
    }
    EXPECT_EQ(std::tuple(arrow->ArrowSize, arrow->DoubleArrow, recta->Remplissage),
              std::tuple(55, true, true));

    // A line gives its colour and thickness only.
    line->SetColor(clMaroon);
    line->Epais = 2;
    line->StoreDefaults();
    EXPECT_EQ(std::tuple(page.DefColor, page.DefEpais, page.DefFill, page.DefArrowSize),
              std::tuple(clMaroon, 2, true, 55));
    recta->Remplissage = false;
    recta->StoreDefaults();
    EXPECT_FALSE(page.DefFill);
    EXPECT_EQ(page.DefColor, clNavy);
    // A text gives its font as well.
    text->Font.Size = 40;
    text->StoreDefaults();
    EXPECT_EQ(page.DefFont.Size, 40);
}

} // namespace

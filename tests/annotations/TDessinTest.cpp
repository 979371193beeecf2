// Anchor, visibility, move/resize primitives, selection
// marks and the current style exchange of the annotation base.
#include "AnnotationFixture.h"
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
        {true, 10, 0, true},      {true, 0, -1, true},         {true, 10.000001, 0, false},
        {true, -1e-9, 0, false},  {true, 5, 1.0000001, false}, {true, 5, -2, false},
        {false, 1e9, -1e9, true},
    };
    TTexte *t = Text();
    for (const Case &c : cases) {
        t->LockXY = c.lock;
        t->RefX = c.refX;
        t->RefY = c.refY;
        EXPECT_EQ(t->IsVisible(), c.visible) << c.lock << " " << c.refX << " " << c.refY;
    }
}

TEST_F(TDessinTest, ATextBeyondTheScaleIsNotDrawnButStaysAndReappears)
{
    TTexte *t = Text();
    t->LockXY = true;
    t->RefX = 10;
    EXPECT_EQ(Record(*t).Count(), 1);
    graph->XMax = 9.99;
    EXPECT_EQ(Record(*t).Count(), 0);
    EXPECT_EQ(graph->ElementCount(), 1);
    graph->XMax = 12;
    EXPECT_EQ(Record(*t).Count(), 1);
}

TEST_F(TDessinTest, DraggingAndResizingTouchOnlyTheirOwnFields)
{
    // Created by dragging right-to-left and bottom-to-top: negative extent.
    TTexte *t = Text();
    t->LockXY = true;
    t->RefX = 3;
    t->RefY = 0.25;
    t->MoveX(1000);
    t->MoveY(800);
    EXPECT_EQ(QPoint(t->GetX(), t->GetY()), QPoint(1000, 800));
    t->SetX2(600);
    t->SetY2(500);
    EXPECT_EQ(t->Largeur, -400);
    EXPECT_EQ(t->Hauteur, -300);

    const QPoint down(1000, 800), up(1100, 750);
    t->SetDX(t->DX + up.x() - down.x());
    t->SetDY(t->DY - up.y() + down.y());
    EXPECT_EQ(QPoint(t->GetX(), t->GetY()), QPoint(1100, 750));
    EXPECT_EQ(t->Largeur, -400);
    EXPECT_EQ(t->Hauteur, -300);

    const int dx = t->DX, dy = t->DY;
    const QPoint grab(t->GetX2(), t->GetY2()), release(720, 430);
    t->SetX2(release.x() + t->GetX2() - grab.x());
    t->SetY2(release.y() + t->GetY2() - grab.y());
    EXPECT_EQ(QPoint(t->GetX2(), t->GetY2()), release);
    EXPECT_EQ(t->DX, dx);
    EXPECT_EQ(t->DY, dy);
}

TEST_F(TDessinTest, SelectionMarksAreDrawnLikeTheWindowsOutlineAndHandles)
{
    PagePicture picture(1007, 707);
    RecordingCanvas screen(picture);
    TDessin::DrawFrame(screen, 10, 20, 50, 80);
    TDessin::DrawMoveHandle(screen, 10, 80);
    TDessin::DrawSizeHandle(screen, 50, 20);

    ASSERT_EQ(picture.Count(), 6);
    const QPoint path[] = {{10, 80}, {10, 20}, {50, 20}, {50, 80}, {10, 80}};
    for (int i = 0; i < 4; ++i) {
        const PictureRecord r = picture.At(i);
        EXPECT_EQ(r.Kind, TPictureOp::Line);
        EXPECT_EQ(r.Points[0], path[i]);
        EXPECT_EQ(r.Points[1], path[i + 1]);
        EXPECT_EQ(r.Pen.Color, clRed);
    }
    const PictureRecord move = picture.At(4);
    EXPECT_EQ(move.Kind, TPictureOp::Ellipse);
    EXPECT_EQ(move.Points[0], QPoint(7, 77));
    EXPECT_EQ(move.Points[1], QPoint(13, 83));
    EXPECT_EQ(move.Pen.Color, clBlack);
    EXPECT_EQ(move.Brush, (TBrush{RGBColor(128, 128, 0), TBrushStyle::bsSolid}));
    const PictureRecord size = picture.At(5);
    EXPECT_EQ(size.Kind, TPictureOp::Rectangle);
    EXPECT_EQ(size.Points[0], QPoint(47, 17));
    EXPECT_EQ(size.Points[1], QPoint(53, 23));
    EXPECT_EQ(size.Pen.Color, clBlack);
    EXPECT_EQ(size.Brush, (TBrush{RGBColor(255, 255, 0), TBrushStyle::bsSolid}));
}

TEST_F(TDessinTest, NewAnnotationsTakeTheCurrentStyleAndExchangeIt)
{
    page.DefColor = clBlue;
    page.DefEpais = 9;
    page.DefFont = TFont{QStringLiteral("Arial"), 12, true};
    TTexte *t = Text();
    EXPECT_EQ(t->GetColor(), clBlue);
    EXPECT_EQ(t->Epais, 9);
    EXPECT_EQ(t->Font.Name, QStringLiteral("Arial"));

    t->SetColor(clRed);
    t->Font.Size = 40;
    t->StoreDefaults();
    EXPECT_EQ(page.DefColor, clRed);
    EXPECT_EQ(page.DefFont.Size, 40);

    page.DefColor = clGreen;
    page.DefFont.Italic = true;
    t->ApplyDefaults();
    EXPECT_EQ(t->GetColor(), clGreen);
    EXPECT_TRUE(t->Font.Italic);
    EXPECT_EQ(t->Font.Size, 40);
}

} // namespace

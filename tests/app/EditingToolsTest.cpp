// The editing tools on the real main window, offscreen: creating each kind
// of annotation with the mouse, selecting, restyling, dragging handles, the
// element commands and the formatting tool bar.
#include "EditorFixture.h"
#include "annotations/Marker.h"
#include "annotations/TTexte.h"
#include "page/PointerShapes.h"
#include "render/PagePicture.h"
#include <QLineEdit>
#include <QSpinBox>

namespace
{

using EditingToolsTest = EditorFixture;

struct CreateCase {
    const char *tool;
    int cursor;
    QPoint from, to;
    QPoint anchor, second; // expected, before snapping to pixels
};

TEST_F(EditingToolsTest, EachToolCreatesItsKindFromPressToReleaseAndDisarms)
{
    const QPoint a(600, 500), b(1400, 1000);
    // clang-format off
    const CreateCase cases[] = {
        {"AddLine", crLine, a, b, a, b},
        {"AddArrow", crArrow, b, a, b, a},
        {"AddRecta", crRecta, b, a, b, a},
        {"AddCircle", crCircle, a, b, a, b},
    };
    // clang-format on
    for (const CreateCase &c : cases) {
        QAction *tool = Action(c.tool);
        tool->trigger();
        EXPECT_EQ(view->CursorShape(), c.cursor) << c.tool;
        Drag(c.from, c.to);
        ASSERT_EQ(graph->ElementCount(), initial + 1) << c.tool;
        auto *d = Last()->AsDessin();
        EXPECT_EQ(std::tuple(d->GetCursor(), QPoint(d->GetX(), d->GetY()),
                             QPoint(d->GetX2(), d->GetY2()), d->LockXY),
                  std::tuple(c.cursor, Snap(c.anchor), Snap(c.second), false))
            << c.tool;
        EXPECT_TRUE(!tool->isChecked() && view->TrackCursor) << c.tool;
        graph->DeleteElement(d);
    }
}

TEST_F(EditingToolsTest, TheTextToolKeepsOnlyATextTypedInItsDialog)
{
    const auto typing = [](const QString &text) {
        return [text](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("ETexte"))->setText(text);
            return int(QDialog::Accepted);
        };
    };
    scripted.Dialogs = {typing(QString()), typing(QStringLiteral("Vs"))};
    for (int attempt = 0; attempt < 2; ++attempt) {
        Action("AddTexte")->trigger();
        Click({800, 900});
        EXPECT_FALSE(Action("AddTexte")->isChecked());
    }
    ASSERT_EQ(graph->ElementCount(), initial + 1);
    const auto *text = dynamic_cast<const TTexte *>(Last());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Texte, QStringLiteral("Vs"));
    EXPECT_EQ(QPoint(text->GetX(), text->GetY()), Snap({800, 900}));
}

TEST_F(EditingToolsTest, MarkersMarkTheValueUnderTheRelease)
{
    Action("AddHMarker")->trigger();
    Click({1000, 700});
    auto *h = dynamic_cast<THMarker *>(Last());
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->LockXY);
    EXPECT_DOUBLE_EQ(h->RefY, graph->PageToY(Snap({1000, 700}).y()));

    Action("AddVMarker")->trigger();
    Click({800, 700});
    auto *v = dynamic_cast<TVMarker *>(Last());
    ASSERT_NE(v, nullptr);
    EXPECT_DOUBLE_EQ(v->RefX, graph->PageToX(Snap({800, 700}).x()));
}

TEST_F(EditingToolsTest, PressOnOneGraphAndReleaseOnAnotherCreatesNothing)
{
    Action("AddGraph")->trigger();
    ASSERT_EQ(view->GraphCount(), 2);
    const TAxe *lower = view->Graphs(1);
    const int lowerCount = lower->ElementCount();
    Action("AddLine")->trigger();
    Drag({600, 300}, {600, lower->Top + 300});
    EXPECT_EQ(graph->ElementCount(), initial);
    EXPECT_EQ(lower->ElementCount(), lowerCount);
    EXPECT_TRUE(Action("AddLine")->isChecked());
}

TEST_F(EditingToolsTest, ShiftClickRestylesWithoutSelectingAndAClickSelects)
{
    TLine *line = AddLine({600, 600}, {1400, 600});
    view->DefColor = clRed;
    view->DefEpais = 11;
    view->ClearModified();
    Click({1000, 600}, Qt::ShiftModifier);
    EXPECT_EQ(line->GetColor(), clRed);
    EXPECT_EQ(line->Epais, 11);
    EXPECT_EQ(view->Selected(), nullptr);
    EXPECT_TRUE(view->Modified());

    line->Epais = 7;
    view->ClearModified();
    Click({1000, 600});
    EXPECT_EQ(view->Selected(), line);
    EXPECT_FALSE(view->Modified()); // selecting is no edit
    EXPECT_EQ(view->DefEpais, 7);
    auto *epais = form->findChild<QSpinBox *>(QStringLiteral("SEEpais"));
    EXPECT_EQ(epais->value(), 7);
    for (const char *name : {"AddDelete", "DrawUp", "DrawDown"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;

    epais->setValue(3); // the tool bar writes the selection too
    EXPECT_EQ(line->Epais, 3);
    Click({1000, 1200}); // empty place: deselects
    EXPECT_EQ(view->Selected(), nullptr);
}

TEST_F(EditingToolsTest, SelectingALegendDisablesDeletingOnly)
{
    TDessin *legend = nullptr;
    for (TSmallGraph *e : graph->Elements())
        if (e->GetCursor() == crLegende)
            legend = e->AsDessin();
    ASSERT_NE(legend, nullptr);
    Click({legend->Left() + legend->DX + 5, legend->Bottom() - legend->DY - 5});
    ASSERT_EQ(view->Selected(), legend);
    EXPECT_FALSE(Action("AddDelete")->isEnabled());
    EXPECT_TRUE(Action("DrawUp")->isEnabled() && Action("DrawDown")->isEnabled());
}

TEST_F(EditingToolsTest, HandlesMoveAndResizeTheSelection)
{
    TLine *line = AddLine({600, 600}, {1000, 800});
    view->SetSelected(line);
    const QPoint anchor(line->GetX(), line->GetY());
    QTest::mousePress(view, Qt::LeftButton, {}, line->GetScreenPoint());
    EXPECT_FALSE(view->TrackCursor);
    QTest::mouseMove(view, Screen(anchor + QPoint(200, -100)));
    // The moving frame follows the mouse: its move handle is drawn there.
    const QImage dragged = view->grab().toImage();
    EXPECT_EQ(dragged.pixelColor(Screen(anchor + QPoint(200, -100))), QColor(128, 128, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, Screen(anchor + QPoint(200, -100)));
    const QPoint moved = Snap(anchor + QPoint(200, -100)) - Snap(anchor);
    EXPECT_EQ(std::tuple(QPoint(line->GetX(), line->GetY()), line->Largeur, line->Hauteur),
              std::tuple(anchor + moved, 400, 200));
    EXPECT_TRUE(view->TrackCursor);

    const QPoint second(line->GetX2(), line->GetY2());
    const int dx = line->DX, dy = line->DY;
    QTest::mousePress(view, Qt::LeftButton, {}, line->GetSizeHandle());
    QTest::mouseRelease(view, Qt::LeftButton, {}, Screen(second + QPoint(-300, 150)));
    EXPECT_EQ(QPoint(line->DX, line->DY), QPoint(dx, dy));
    EXPECT_EQ(QPoint(line->GetX2(), line->GetY2()),
              second + Snap(second + QPoint(-300, 150)) - Snap(second));
    EXPECT_EQ(view->Selected(), line);
}

TEST_F(EditingToolsTest, ARightClickEditsWhatLiesThereAndLeavesTheToolArmed)
{
    struct EditProbe : TLine {
        using TLine::TLine;
        void Edit() override { ++edits; }
        int edits = 0;
    };
    auto *probe = graph->AddElement(std::make_unique<EditProbe>(graph));
    probe->MoveX(600);
    probe->MoveY(600);
    probe->SetX2(1400);
    probe->SetY2(600);
    Action("AddRecta")->trigger();
    Drag({1000, 600}, {1000, 600}, {}, Qt::RightButton);
    EXPECT_EQ(probe->edits, 1);
    EXPECT_TRUE(Action("AddRecta")->isChecked());
    EXPECT_EQ(graph->ElementCount(), initial + 1);
}

TEST_F(EditingToolsTest, ElementCommandsRestackAndDeleteTheSelection)
{
    TLine *line = AddLine({600, 600}, {1400, 600});
    view->SetSelected(line);
    Action("DrawDown")->trigger();
    EXPECT_EQ(graph->Elements().front(), line);
    Action("DrawUp")->trigger();
    EXPECT_EQ(Last(), line);
    EXPECT_EQ(view->Selected(), line);
    Action("AddDelete")->trigger();
    EXPECT_EQ(view->Selected(), nullptr);
    EXPECT_EQ(graph->ElementCount(), initial);
    EXPECT_FALSE(Action("AddDelete")->isEnabled());
}

TEST_F(EditingToolsTest, DeletingGraphsDownToOneDisablesTheTool)
{
    Action("AddGraph")->trigger();
    Action("AddGraph")->trigger();
    ASSERT_EQ(view->GraphCount(), 3);
    for (int remaining : {2, 1}) {
        QAction *tool = Action("DeleteGraph");
        ASSERT_TRUE(tool->isEnabled());
        tool->trigger();
        EXPECT_EQ(view->CursorShape(), crDeleteGraph);
        Click({1000, 100});
        EXPECT_EQ(view->GraphCount(), remaining);
        EXPECT_FALSE(tool->isChecked());
        EXPECT_EQ(tool->isEnabled(), remaining >= 2);
    }
    Action("AddGraph")->trigger();
    EXPECT_TRUE(Action("DeleteGraph")->isEnabled());
}

TEST_F(EditingToolsTest, RubberBandsAreDrawnOnTheScreenOnly)
{
    Action("AddRecta")->trigger();
    const QPoint from(600, 400), to(1400, 1000);
    QTest::mousePress(view, Qt::LeftButton, {}, Screen(from));
    QTest::mouseMove(view, Screen(to));
    const int records = view->Metafile().Count();
    const QImage shown = view->grab().toImage();
    const auto darkest = [&](QPoint at) {
        int l = 255;
        for (int dx : {-1, 0, 1})
            l = std::min(l, shown.pixelColor(at + QPoint(dx, 0)).lightness());
        return l;
    };
    // The band's left edge, over a white part of the graph.
    const QPoint edge = Screen({from.x(), 700});
    EXPECT_LT(darkest(edge), 100);
    EXPECT_GT(darkest(edge + QPoint(5, 0)), 200);
    EXPECT_EQ(view->Metafile().Count(), records);
    QTest::mouseRelease(view, Qt::LeftButton, {}, Screen(to));
    EXPECT_EQ(view->Metafile().Count(), records + 1);
}

} // namespace

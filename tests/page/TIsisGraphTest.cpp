// The page view: graph stack and layout, hit-testing, pointer shapes,
// selection, rendering of the page picture.
#include "page/TIsisGraph.h"

#include "PageFakes.h"
#include "data/TDatas.h"
#include "graphs/TMath.h"
#include "page/PointerShapes.h"
#include "render/PagePicture.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

namespace
{

class PageView : public testing::Test
{
protected:
    void SetUp() override { page.resize(1007, 707); }

    FrameGraph *addGraph(int height)
    {
        return static_cast<FrameGraph *>(
            page.AppendGraph(std::make_unique<FrameGraph>(&page, height)));
    }
    // Two graphs stacked: [0, 1000] and [1000, 1500], 3000 wide.
    void twoGraphs()
    {
        addGraph(1000);
        addGraph(500);
        page.SetMFHeight(page.MFHeight());
    }
    template <class T, class... A> T *addElement(int graph, A... args)
    {
        return page.Graphs(graph)->AddElement(std::make_unique<T>(page.Graphs(graph), args...));
    }
    QImage grab() { return page.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    TIsisGraph page;
};

TEST_F(PageView, HeightIsSharedInProportionHalvesToEvenAndWidthReachesEveryGraph)
{
    const struct {
        std::vector<int> heights;
        int page;
        std::vector<int> shared;
        int stacked;
    } cases[] = {
        {{1000, 500}, 3000, {2000, 1000}, 3000},
        {{1, 3}, 2, {0, 2}, 2},             // shares 0.5 and 1.5
        {{1, 1, 1}, 100, {33, 33, 33}, 99}, // the page is the sum of the shares
        {{0, 0}, 1000, {500, 500}, 1000},   // no height: equal shares
    };
    for (const auto &c : cases) {
        page.SetGraphCount(0);
        for (int h : c.heights)
            addGraph(h);
        page.SetMFHeight(c.page);
        std::vector<int> heights;
        for (int i = 0, top = 0; i < page.GraphCount(); top += page.Graphs(i++)->Height()) {
            heights.push_back(page.Graphs(i)->Height());
            EXPECT_EQ(page.Graphs(i)->Top, top) << c.page;
        }
        EXPECT_EQ(heights, c.shared) << c.page;
        EXPECT_EQ(page.MFHeight(), c.stacked) << c.page;
    }
    page.SetMFWidth(4500);
    EXPECT_EQ(page.Graphs(1)->Width(), 4500);
}

TEST_F(PageView, GraphIndexAtIncludesEdgesAndPrefersTheLowerGraph)
{
    twoGraphs();
    const struct {
        int px, py, index;
    } cases[] = {
        {3000, 999, 0}, {1500, 1000, 1}, // shared edge: lower graph
        {1500, 1500, 1}, {1500, 1501, -1}, {-1, 500, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(page.GraphIndexAt(c.px, c.py), c.index) << c.px << ", " << c.py;

    // Page 3000 x 1500 in 1007 x 707: 3 units per pixel, page centred.
    EXPECT_EQ(page.GraphIndexAtScreen(page.ScreenX(1500), page.ScreenY(1300)), 1);
}

TEST_F(PageView, GraphListEditing)
{
    twoGraphs();
    addGraph(700);
    page.SetMFHeight(page.MFHeight());
    TAxe *last = page.Graphs(2);

    page.DeleteGraph(3);
    EXPECT_EQ(page.GraphCount(), 3);

    page.DeleteGraph(1); // the 500 high graph: the one below moves up
    ASSERT_EQ(page.GraphCount(), 2);
    EXPECT_EQ(std::tuple(page.Graphs(1), last->Top, page.MFHeight()), std::tuple(last, 1000, 1700));

    // Growing leaves empty positions that everything steps over.
    page.SetGraphCount(4);
    EXPECT_EQ(page.Graphs(3), nullptr);
    EXPECT_EQ(page.MFHeight(), 1700);
    EXPECT_EQ(page.GraphIndexAt(10, 1600), 1);
    page.SetMFHeight(1700);
    page.RenderPage();

    page.SetGraphs(3, std::make_unique<FrameGraph>(&page, 300));
    page.SetMFHeight(page.MFHeight());
    EXPECT_EQ(page.Graphs(3)->Top, 1700);

    page.SetGraphCount(1);
    EXPECT_EQ(page.MFHeight(), 1000);
}

TEST_F(PageView, AddGraphAppendsAnXYGraphOfAllButTheFirstSeries)
{
    ASSERT_TRUE(page.Datas->LoadFromIsisText("\"t\",\"a\",\"b\"\n0,1,2\n1,3,-4\n"));
    page.AddGraph();
    page.AddGraph();
    EXPECT_TRUE(page.Modified());
    ASSERT_EQ(page.GraphCount(), 2);
    auto *second = dynamic_cast<TMath *>(page.Graphs(1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Affiches(), (TSeriesSet{1, 2}));
    EXPECT_EQ(second->Top, page.Graphs(0)->Height());
}

TEST_F(PageView, CursorAtCountsTheElementsUnderThePoint)
{
    twoGraphs();
    addElement<BoxElement>(0, QRect(0, 0, 1000, 400), crCourbe);
    addElement<BoxDessin>(0, QRect(500, 0, 1000, 400), crRecta);

    auto at = [&](int px, int py) { return page.CursorAt(page.ScreenX(px), page.ScreenY(py)); };
    // Over nothing, one element (its shape), two elements, the empty lower graph.
    EXPECT_EQ(std::vector<int>({at(2500, 200), at(200, 200), at(700, 200), at(700, 1200)}),
              std::vector<int>({crGraphe, crCourbe, crIntersection, crGraphe}));
    EXPECT_EQ(page.CursorAt(1, 1), crPage);  // beside the page
    EXPECT_EQ(page.ElementAt(1, 1), nullptr);
}

TEST_F(PageView, ElementAtReturnsTheFrontmostAnnotationOnly)
{
    twoGraphs();
    auto *back = addElement<BoxDessin>(0, QRect(0, 0, 1000, 400), crLine);
    auto *front = addElement<BoxDessin>(0, QRect(500, 0, 1000, 400), crRecta);
    addElement<BoxElement>(0, QRect(0, 0, 3000, 1000), crCourbe); // a curve on top

    auto at = [&](int px, int py) { return page.ElementAt(page.ScreenX(px), page.ScreenY(py)); };
    // Where the curve only lies, and in the other graph: none.
    EXPECT_EQ(std::vector<TSmallGraph *>({at(700, 200), at(200, 200), at(2500, 200), at(700, 1200)}),
              std::vector<TSmallGraph *>({front, back, nullptr, nullptr}));
}

class PageSelection : public PageView
{
protected:
    void SetUp() override
    {
        PageView::SetUp();
        twoGraphs();
        dessin = addElement<BoxDessin>(0, QRect(0, 0, 600, 300), crRecta);
        dessin->DX = 300;
        dessin->DY = 600;
        dessin->Largeur = 600;
        dessin->Hauteur = 300;
        QObject::connect(&page, &TIsisGraph::SelectedChange, [this](TIsisGraph *s, TDessin *p) {
            EXPECT_EQ(s, &page);
            changes.push_back(p);
        });
    }

    BoxDessin *dessin = nullptr;
    std::vector<TDessin *> changes;
};

TEST_F(PageSelection, ChangeIsReportedOnceAndOnlyOnChange)
{
    page.SetSelected(dessin);
    page.SetSelected(dessin);
    page.SetSelected(nullptr);
    page.SetSelected(nullptr);
    EXPECT_EQ(changes, (std::vector<TDessin *>{dessin, nullptr}));
}

TEST_F(PageSelection, DeletingTheGraphOfTheSelectionDeselectsFirst)
{
    page.SetSelected(dessin);
    page.DeleteGraph(1);
    EXPECT_EQ(page.Selected(), dessin);
    page.DeleteGraph(0);
    EXPECT_EQ(page.Selected(), nullptr);
    EXPECT_EQ(changes, (std::vector<TDessin *>{dessin, nullptr}));

    twoGraphs();
    auto *other = addElement<BoxDessin>(1, QRect(), crLine);
    page.SetSelected(other);
    page.SetGraphCount(1);
    EXPECT_EQ(page.Selected(), nullptr);
}

TEST_F(PageSelection, HandlesAreStrictAcrossAndInclusiveDown)
{
    EXPECT_FALSE(page.OnMoveHandle(0, 0));
    page.SetSelected(dessin);
    const QPoint h = dessin->GetScreenPoint();
    const struct {
        int dx, dy;
        bool on;
    } cases[] = {{1, 2, true}, {-1, -2, true}, {2, 0, false}, {0, -3, false}};
    for (const auto &c : cases)
        EXPECT_EQ(page.OnMoveHandle(h.x() + c.dx, h.y() + c.dy), c.on) << c.dx << ", " << c.dy;

    const QPoint s = dessin->GetSizeHandle();
    ASSERT_NE(s, h);
    EXPECT_TRUE(page.OnSizeHandle(s.x() + 1, s.y() - 2));
    EXPECT_FALSE(page.OnSizeHandle(s.x() + 2, s.y()));
    EXPECT_FALSE(page.OnSizeHandle(h.x(), h.y()));

    auto *noSize = addElement<BoxDessin>(0, QRect(), crTexte, false);
    page.SetSelected(noSize);
    EXPECT_FALSE(page.OnSizeHandle(0, 0));
}

TEST_F(PageSelection, MarksAreDrawnOnTheControlNotIntoThePicture)
{
    page.Redraw();
    const int records = page.Metafile().Count();
    page.SetSelected(dessin);
    const QImage img = grab();
    const QPoint a = dessin->GetScreenPoint();
    EXPECT_EQ(img.pixel(a.x(), a.y() + 5), qRgb(255, 0, 0)); // left side of the red frame
    page.Redraw();
    EXPECT_EQ(page.Metafile().Count(), records);
    page.SetSelected(nullptr);
    EXPECT_NE(grab().pixel(a.x(), a.y() + 5), qRgb(255, 0, 0));
}

TEST_F(PageView, RenderPageDrawsGraphsInOrderOverTheBackground)
{
    twoGraphs();
    page.RenderPage();
    const PagePicture &pic = page.Metafile();
    EXPECT_EQ(QSize(pic.MFWidth(), pic.MFHeight()), QSize(3000, 1500));
    ASSERT_EQ(pic.Count(), 2); // white page: no background record
    EXPECT_EQ(pic.At(0).Points[0], QPoint(0, 0));
    EXPECT_EQ(pic.At(1).Points[0], QPoint(0, 1000));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(static_cast<FrameGraph *>(page.Graphs(i))->BrushAtDraw, TBrushStyle::bsClear);

    page.BackColor = clYellow;
    page.RenderPage();
    const PictureRecord fill = page.Metafile().At(0);
    EXPECT_EQ(std::tuple(fill.Kind, fill.Points[1], fill.Brush.Color, page.Metafile().Count()),
              std::tuple(TPictureOp::Rectangle, QPoint(3000, 1500), clYellow, 3));
}

TEST_F(PageView, OnlyRedrawRenewsWhatIsShown)
{
    twoGraphs();
    page.BackColor = clYellow;
    page.Redraw();
    const QRect r = page.PageRect();
    const QPoint inside = r.center();
    // The picture fills exactly the page rectangle.
    const QImage img = grab();
    EXPECT_EQ(img.pixel(r.left() + 1, r.top() + 1), qRgb(255, 255, 0));
    EXPECT_EQ(img.pixel(r.left() + r.width(), inside.y()), qRgb(255, 255, 255));

    page.BackColor = clAqua;
    page.update();
    EXPECT_EQ(grab().pixel(inside), qRgb(255, 255, 0)); // a paint only restretches
    page.Redraw();
    EXPECT_EQ(grab().pixel(inside), qRgb(0, 255, 255));
}

} // namespace

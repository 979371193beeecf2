// The page control: zoom, offsets, page/screen mapping and what it paints.
#include "page/TGraphEMF.h"
#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace
{

// The default 3000 x 2000 page in a 1007 x 707 control: 3 page units per
// pixel at zoom 1.
class PageControl : public testing::Test
{
protected:
    void SetUp() override { view.resize(1007, 707); }

    QImage grab() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    TGraphEMF view;
};

TEST_F(PageControl, ScaleAndZoomLimits)
{
    EXPECT_DOUBLE_EQ(view.Scale(), 3.0);
    EXPECT_EQ(view.MaxZoom(), 6);

    const struct {
        int request, stored;
    } cases[] = {{0, 1}, {4, 4}, {7, 6}};
    for (const auto &c : cases) {
        view.SetZoom(c.request);
        EXPECT_EQ(view.Zoom(), c.stored) << "request " << c.request;
    }
}

TEST_F(PageControl, OffsetsAreClampedToTheZoomedPage)
{
    EXPECT_EQ(view.MaxXOffset(), 0);
    view.SetXOffset(50);
    EXPECT_EQ(view.XOffset(), 0);

    view.SetZoom(2);
    view.SetXOffset(900);
    view.SetYOffset(-900);
    EXPECT_EQ(QPoint(view.XOffset(), view.YOffset()), QPoint(750, -500));
    view.SetXOffset(-120);
    EXPECT_EQ(view.XOffset(), -120);

    // Zooming back out pulls the offsets into the smaller range.
    view.SetZoom(1);
    EXPECT_EQ(QPoint(view.XOffset(), view.YOffset()), QPoint(0, 0));
}

TEST_F(PageControl, CentreAndHalvesRoundToEven)
{
    // The centre pixel (503.5, 353.5) maps to the page centre; the pixels on
    // either side land on halves, which go to the even neighbour.
    EXPECT_EQ(view.PageX(503), 1498);   // 1498.5
    EXPECT_EQ(view.PageX(504), 1502);   // 1501.5
    EXPECT_EQ(view.PageY(353), 998);    // 998.5
    EXPECT_EQ(view.ScreenX(1500), 504); // 503.5
    EXPECT_EQ(view.ScreenY(1000), 354); // 353.5
}

TEST_F(PageControl, PageRectangleFollowsZoomAndOffsets)
{
    EXPECT_EQ(view.PageRect(), QRect(4, 20, 1000, 667));

    view.SetZoom(2);
    view.SetXOffset(750); // scrolled to the right edge: that edge stays put
    const QRect r = view.PageRect();
    EXPECT_EQ(std::tuple(r.left(), r.width(), r.height()), std::tuple(-996, 2000, 1333));

    // 508 x 500: the left edge lies exactly on a half pixel, (508 - 501) / 2,
    // which goes to the even neighbour only when the page width is scaled
    // before the division by the scale.
    view.resize(508, 500);
    view.SetZoom(1);
    EXPECT_EQ(view.PageRect(), QRect(QPoint(4, 83), QPoint(503, 416)));
}

TEST_F(PageControl, PaintsTheTwoFramesAroundTheWhitePage)
{
    const QImage img = grab();
    ASSERT_EQ(img.size(), QSize(1007, 707));
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    // Page (4, 20)-(1004, 687), right and bottom exclusive.
    const int l = 4, t = 20, r = 1004, b = 687, midY = 300, midX = 500;

    const struct {
        int x, y;
        QRgb colour;
        const char *where;
    } probes[] = {
        {l - 3, midY, black, "second left frame"},
        {l - 1, midY, white, "gap left"},
        {l, midY, white, "page"},
        {r, midY, white, "gap right"},
        {r + 1, midY, black, "right frame"},
        {r + 2, midY, white, "right of the frame"},
        {midX, t - 2, black, "top frame"},
        {midX, t - 1, white, "gap top"},
        {midX, b, white, "gap bottom"},
        {midX, b + 2, black, "second bottom frame"},
        {midX, b + 3, white, "below the frames"},
    };
    for (const auto &p : probes)
        EXPECT_EQ(img.pixel(p.x, p.y), p.colour) << p.where << " (" << p.x << ", " << p.y << ")";
}

TEST_F(PageControl, RepaintsWhatTheCurrentOffsetsShow)
{
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    QImage img = grab();
    EXPECT_EQ(img.pixel(2, 300), black); // left frame at zoom 1
    view.SetZoom(2);
    view.SetXOffset(750); // right edge in view, the left one far outside
    img = grab();
    EXPECT_EQ(img.pixel(2, 300), white);
    EXPECT_EQ(img.pixel(1005, 300), black);
    EXPECT_EQ(img.pixel(500, 20), white); // the top frame left the view too
}

// The page is painted at the screen's pixel ratio (the suite also runs with
// QT_SCALE_FACTOR=2): a thin line is one device pixel thick, not a pixel of
// the control blown up, whether the page is cached whole or only its
// visible part is painted (zoomed in).
TEST(PageCache, FollowsTheDevicePixelRatio)
{
    class LinedPage : public TGraphEMF
    {
    public:
        LinedPage()
        {
            resize(1007, 707);
            RecordingCanvas canvas(Picture());
            canvas.Pen.Color = clRed;
            canvas.MoveTo(0, 1001);
            canvas.LineTo(3000, 1001);
            PictureChanged();
        }
    } view;
    const double expected = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") > 0
                                ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR")
                                : 1.0;
    ASSERT_EQ(view.devicePixelRatioF(), expected);
    for (int zoom : {1, 6}) {
        view.SetZoom(zoom);
        const QPixmap shot = view.grab();
        EXPECT_EQ(shot.devicePixelRatio(), expected);
        const QImage img = shot.toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(img.size(), QSize(1007, 707) * expected);
        int red = 0;
        for (int y = 0; y < img.height(); ++y)
            red += img.pixel(img.width() / 3, y) == qRgb(255, 0, 0);
        // One page unit is a third of a control pixel at zoom 1, two at zoom 6.
        EXPECT_EQ(red, zoom == 1 ? 1 : int(2 * expected)) << "zoom " << zoom;
    }
}

// Controls too small to show a page, in either direction.
class TinyControl : public testing::TestWithParam<QSize>
{
};

TEST_P(TinyControl, ShowsOnlyWhiteAndStaysFinite)
{
    TGraphEMF view;
    view.resize(GetParam());
    EXPECT_TRUE(view.PageRect().isNull());
    EXPECT_TRUE(std::isfinite(view.Scale()));
    EXPECT_GT(view.Scale(), 0);
    EXPECT_GE(view.MaxZoom(), 1);
    view.SetZoom(view.MaxZoom());
    view.SetXOffset(100000);
    EXPECT_LE(view.XOffset(), view.MaxXOffset());

    const QImage img = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixel(x, y), qRgb(255, 255, 255)) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, TinyControl,
                         testing::Values(QSize(7, 500), QSize(500, 7), QSize(0, 0)));

TEST(PageControlSize, EmptyPageNeverDividesByZero)
{
    TGraphEMF view;
    view.resize(400, 300);
    view.SetMFWidth(0);
    view.SetMFHeight(0);
    EXPECT_DOUBLE_EQ(view.Scale(), 1.0);
    EXPECT_EQ(view.ScreenX(0), 200);
    EXPECT_EQ(view.PageX(200), 0);
    view.grab(); // paints without trouble
}

} // namespace

// Where each drawn annotation answers the mouse: segments, rectangle and
// ellipse outlines and interiors, degenerate shapes and markers. The test
// page's Tolerance is 15 page units.
#include "AnnotationFixture.h"
#include "annotations/Marker.h"
#include "annotations/TCircle.h"
#include "annotations/TLine.h"
#include "annotations/TRecta.h"
#include <functional>

namespace
{

struct HitCase {
    const char *what;
    std::function<TDessin *(TMath *)> make;
    QPoint probe;
    bool hit;
};

// A two-point annotation from an anchor to a second point, filled or not.
template <class T> auto Shape(QPoint a, QPoint b, bool fill = false)
{
    return [=](TMath *g) -> TDessin * {
        auto *d = new T(g);
        d->MoveX(a.x());
        d->MoveY(a.y());
        d->SetX2(b.x());
        d->SetY2(b.y());
        if constexpr (std::is_base_of_v<TFilledShape, T>)
            d->Remplissage = fill;
        return d;
    };
}

template <class T> auto Marker(double value)
{
    return [=](TMath *g) -> TDessin * {
        auto *m = new T(g);
        (std::is_same_v<T, THMarker> ? m->RefY : m->RefX) = value;
        return m;
    };
}

class HitTestTest : public AnnotationFixture
{
};

TEST_F(HitTestTest, EachKindAnswersWhereItIsDrawn)
{
    const QPoint a(100, 100), b(1100, 1100);
    const QPoint r1(1000, 500), r2(1600, 900);
    const QPoint c(1500, 750), corner(1800, 950);
    // clang-format off
    const HitCase cases[] = {
        {"line, 9.9 off", Shape<TLine>(a, b), {600, 614}, true},
        {"line, 21 off inside its box", Shape<TLine>(a, b), {600, 630}, false},
        {"line prolongation within tolerance", Shape<TLine>(b, a), {1110, 1110}, true},
        {"line prolongation beyond", Shape<TLine>(a, b), {1120, 1120}, false},
        {"clicked line, near", Shape<TLine>(a, a), {110, 100}, true},
        {"clicked line, far", Shape<TLine>(a, a), {116, 100}, false},
        {"hollow rectangle middle", Shape<TRecta>(r2, r1), {1300, 700}, false},
        {"filled rectangle middle", Shape<TRecta>(r2, r1, true), {1300, 700}, true},
        {"rectangle top edge band", Shape<TRecta>(r1, r2), {1300, 486}, true},
        {"rectangle above the band", Shape<TRecta>(r1, r2), {1300, 485}, false},
        {"hollow ellipse 1 outside", Shape<TCircle>(c, corner), {1801, 750}, true},
        {"hollow ellipse 30 outside", Shape<TCircle>(c, corner), {1830, 750}, false},
        {"hollow ellipse centre", Shape<TCircle>(c, corner), c, false},
        {"filled ellipse centre", Shape<TCircle>(c, corner, true), c, true},
        {"filled ellipse 1 outside", Shape<TCircle>(c, corner, true), {1801, 750}, false},
        {"clicked circle, near centre", Shape<TCircle>(c, c), {1510, 750}, true},
        {"clicked circle, off centre", Shape<TCircle>(c, c), {1500, 770}, false},
        {"flat circle, towards the corner", Shape<TCircle>(c, {1500, 800}), {1500, 790}, true},
        {"flat circle, mirrored half", Shape<TCircle>(c, {1500, 800}), {1500, 710}, false},
        {"horizontal marker, off", Marker<THMarker>(0.5), {1500, 466}, false},
        {"horizontal marker, right end", Marker<THMarker>(0.5), {2714, 450}, true},
        {"horizontal marker, beyond", Marker<THMarker>(0.5), {2716, 450}, false},
        {"vertical marker", Marker<TVMarker>(5), {1510, 700}, true},
    };
    // clang-format on
    for (const HitCase &k : cases) {
        TDessin *d = Add(k.make(graph));
        EXPECT_EQ(d->HitTest(k.probe.x(), k.probe.y()), k.hit) << k.what;
        graph->DeleteElement(d);
    }
}

} // namespace

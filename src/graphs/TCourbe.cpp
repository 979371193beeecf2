#include "graphs/TCourbe.h"

#include "annotations/TLegende.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/TData.h"
#include "data/TDataAnalog.h"
#include "data/TDataOsc.h"
#include "data/TDatas.h"
#include "dialogs/DialogSet.h"
#include "dialogs/Prompts.h"
#include "dialogs/UCourbeDlg.h"
#include "graphs/ColumnFinder.h"
#include "graphs/CurveCache.h"
#include "graphs/CurvePath.h"
#include "graphs/PageRound.h"
#include "graphs/SampleColumns.h"
#include "graphs/SegmentClip.h"
#include "graphs/TAxe.h"
#include "page/PointerShapes.h"
#include "page/TIsisGraph.h"
#include "render/Arrows.h"
#include "render/Canvas.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

const TDataOsc *asOsc(const TData &d)
{
    return d.Kind == dkOsc ? static_cast<const TDataOsc *>(&d) : nullptr;
}

// Reads the samples of a series, straight from the array for analog ones,
// as places along an axis's scale (their logarithms on a logarithmic one).
// With codes, an oscilloscope series gives its raw codes, as a screen
// scaled in codes plots them.
class TSampleReader
{
public:
    TSampleReader(const TData &d, const TAxisMap &axis, bool codes = false)
        : m_data(d), m_log(axis.Log)
    {
        if (const auto *a = dynamic_cast<const TDataAnalog *>(&d))
            m_values = a->Values.data();
        else if (const TDataOsc *o = asOsc(d); o && codes)
            m_codes = o->Samples.data();
    }
    double operator()(int i) const
    {
        const double v = m_values  ? m_values[i]
                         : m_codes ? double(m_codes[i])
                                   : m_data.GetValue(i);
        return m_log ? LogPlace(v) : v;
    }

private:
    const TData &m_data;
    bool m_log;
    const double *m_values = nullptr;
    const std::int32_t *m_codes = nullptr;
};

// Code 0 marks a sample the instrument did not deliver: curves leave a gap
// around it, in the channel drawn and in a channel taken as abscissa.
bool missing(const TDataOsc *s, int i)
{
    return s && s->Samples[std::size_t(i)] == 0;
}

bool finite(double ax, double ay, double bx, double by)
{
    return std::isfinite(ax) && std::isfinite(ay) && std::isfinite(bx) && std::isfinite(by);
}

bool within(const TScaleRect &r, double x, double y)
{
    return r.XMin <= x && x <= r.XMax && r.YMin <= y && y <= r.YMax;
}

} // namespace

TCourbe::TCourbe(TAxe *owner, int serieIndex)
    : TSmallGraph(owner), SerieIndex(serieIndex), m_cache(std::make_unique<TCurveCache>())
{
    owner->AddElement(std::make_unique<TLegende>(owner, serieIndex));
}

TCourbe::TCourbe(TAxe *owner, int serieIndex, int epais)
    : TSmallGraph(owner), SerieIndex(serieIndex), Epais(epais),
      m_cache(std::make_unique<TCurveCache>())
{
}

TCourbe::~TCourbe()
{
    const auto &elements = Owner->Elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        TDessin *d = *it ? (*it)->AsDessin() : nullptr;
        TLegende *label = d ? d->AsLegende() : nullptr;
        if (label && !label->IsAxeX && label->Index == SerieIndex) {
            Owner->DeleteElement(label);
            break;
        }
    }
}

TData *TCourbe::Serie() const
{
    return Datas ? Datas->Item(SerieIndex) : nullptr;
}

QString TCourbe::Name() const
{
    const TData *s = Serie();
    return s ? s->Name : QString();
}

void TCourbe::SetName(const QString &name)
{
    if (TData *s = Serie())
        s->SetName(name);
}

QString TCourbe::Unit() const
{
    const TData *s = Serie();
    return s ? s->Unit : QString();
}

void TCourbe::SetUnit(const QString &unit)
{
    if (TData *s = Serie())
        s->Unit = unit;
}

TColor TCourbe::GetColor() const
{
    return ColorOf(Serie());
}

void TCourbe::SetColor(TColor value)
{
    SetColorOf(Serie(), value);
}

void TCourbe::Draw(Canvas &canvas)
{
    if (!ShownSeries().Contains(SerieIndex))
        return;
    const TData *x = Datas ? Datas->Item(OwnerAxeX()) : nullptr;
    const TData *s = Serie();
    if (!x || !s)
        return;
    // Series of one collection share their count; a shorter one is not read
    // beyond its end.
    const int n = std::min(x->Count(), s->Count());
    canvas.Pen.Color = GetColor();
    canvas.Pen.Width = Epais;
    // Oscilloscope captures are small and carry their scaling with them:
    // they are drawn afresh each time.
    if (s->Kind == dkOsc || x->Kind == dkOsc) {
        drawSeries(canvas, *x, *s, n);
        return;
    }
    const TCurveKey key{x,          s,          n,           s->Kind,     x->Min,
                        x->Max,     s->Min,     s->Max,      Owner->XMap(), Owner->YMap(),
                        canvas.Pen, canvas.Brush, canvas.Font, canvas.PenPos()};
    m_cache->Draw(canvas, key, [&](Canvas &c) { drawSeries(c, *x, *s, n); });
}

void TCourbe::drawSeries(Canvas &canvas, const TData &x, const TData &s, int n) const
{
    switch (s.Kind) {
    case dkLogic:
    case dkBus:
        drawSteps(canvas, x, s, n);
        break;
    case dkAnalog:
        drawAnalog(canvas, x, s, n);
        break;
    case dkOsc:
        drawOsc(canvas, x, static_cast<const TDataOsc &>(s), n);
        break;
    }
}

void TCourbe::drawOsc(Canvas &canvas, const TData &x, const TDataOsc &s, int n) const
{
    const bool codes = Owner->RawCodes();
    const TDataOsc *xo = asOsc(x);
    const TAxisMap mx = Owner->XMap(), my = Owner->YMap();
    const TSampleReader xr(x, mx, codes), yr(s, my, codes);
    const TAxisMap px = mx.Linear(), py = my.Linear();
    {
        TCurvePath path(canvas);
        // A sample off a logarithmic scale leaves a gap as a missing one does.
        bool gapBefore = true;
        for (int i = 0; i < n; ++i) {
            const double vx = xr(i), vy = yr(i);
            const bool gap = missing(&s, i) || missing(xo, i) || std::isinf(vx) || std::isinf(vy);
            const QPoint p(px.ToPageClipped(vx), py.ToPageClipped(vy));
            if (gap || gapBefore)
                path.MoveTo(p);
            else
                path.LineTo(p);
            gapBefore = gap;
        }
    }
    if (codes)
        drawZeroLevel(canvas, s);
}

void TCourbe::drawZeroLevel(Canvas &canvas, const TDataOsc &s) const
{
    const double z = s.YOff - s.YZero / s.YMult;
    // A channel without a scale (no step, no zero) has no level to show.
    if (std::isnan(z))
        return;
    const int y = YToPage(z);
    const int x = XToPageClipped(XMin() - 1);
    const int yt = YToPageClipped(YMax() + 1);
    const int yb = YToPageClipped(YMin() - 1);
    const int size = RoundPage((yb - yt) / 80.0);
    if (y > yb)
        ArrowDown(canvas, x - size, size, yb);
    else if (y < yt)
        ArrowUp(canvas, x - size, size, yt);
    else
        ArrowRight(canvas, x, size, y);
}

void TCourbe::drawAnalog(Canvas &canvas, const TData &x, const TData &s, int n) const
{
    if (n < 2)
        return;
    // Everything below works on places along the scales: logarithmic ones
    // are linear there. X values are read as they are (mx maps no logarithm)
    // and take their place only where a comparison could tell otherwise: the
    // column finder takes few logarithms, however many samples a column has.
    const TAxisMap xmap = Owner->XMap();
    const TAxisMap mx = xmap.Linear(), my = Owner->YMap().Linear();
    const TScaleRect r{mx.Min, mx.Max, my.Min, my.Max};
    const TSampleReader xr(x, mx), yr(s, Owner->YMap());
    TCurvePath path(canvas);
    // Runs of samples inside the scale are reduced per page column in value
    // space when the Y mapping allows it; the rest goes segment by segment.
    TSampleColumns columns(path, my);
    const bool byColumns = my.KeepsOrder();
    TColumnFinder column(xmap);
    auto segment = [&](double ax, double ay, double bx, double by) {
        ax = xmap.Scaled(ax);
        bx = xmap.Scaled(bx);
        if (finite(ax, ay, bx, by) && ClipSegment(r, ax, ay, bx, by))
            path.Segment({mx.ToPageClipped(ax), my.ToPageClipped(ay)},
                         {mx.ToPageClipped(bx), my.ToPageClipped(by)});
    };
    // Strictly inside the scale as it is, a value is inside it by its place too.
    auto inside = [&](double vx, double vy) {
        if (!(r.YMin <= vy && vy <= r.YMax))
            return false;
        return (xmap.Min < vx && vx < xmap.Max) || within(r, xmap.Scaled(vx), vy);
    };
    double ax = xr(0), ay = yr(0);
    for (int i = 1; i < n; ++i) {
        const double bx = xr(i), by = yr(i);
        // A sample that is no number, or lies off a logarithmic scale, leaves a gap.
        if (!finite(ax, ay, bx, by) || (xmap.Log && !(ax > 0 && bx > 0))) {
            columns.Break();
        } else if (byColumns && inside(ax, ay) && inside(bx, by)) {
            // Both ends within the scale: clipping leaves the segment whole.
            if (!columns.Running())
                columns.Add(column.ToPage(ax), ay);
            columns.Add(column.ToPage(bx), by);
        } else {
            columns.Break();
            segment(ax, ay, bx, by);
        }
        ax = bx;
        ay = by;
    }
}

void TCourbe::drawSteps(Canvas &canvas, const TData &x, const TData &s, int n) const
{
    if (n < 1)
        return;
    const TSampleReader xr(x, Owner->XMap()), yr(s, Owner->YMap());
    const TAxisMap my = Owner->YMap().Linear();
    TColumnFinder column(Owner->XMap().Linear());
    // Steps repeat their levels: the page y of the last value is reused.
    double lastValue = yr(0);
    int lastY = my.ToPageClipped(lastValue);
    auto page = [&](int i) {
        const double v = yr(i);
        if (!(v == lastValue)) {
            lastValue = v;
            lastY = my.ToPageClipped(v);
        }
        return QPoint(column.ToPageClipped(xr(i)), lastY);
    };
    TCurvePath path(canvas);
    QPoint p = page(0);
    path.MoveTo(p);
    for (int i = 1; i < n; ++i) {
        const QPoint q = page(i);
        path.LineTo({q.x(), p.y()});
        path.LineTo(q);
        p = q;
    }
}

bool TCourbe::HitTest(int x, int y) const
{
    if (!ShownSeries().Contains(SerieIndex))
        return false;
    const double v = PageToX(x);
    if (v < XMin() || v > XMax())
        return false;
    const TData *xs = Datas ? Datas->Item(OwnerAxeX()) : nullptr;
    const TData *s = Serie();
    if (!xs || !s)
        return false;
    const int n = std::min(xs->Count(), s->Count());
    if (n < 2)
        return false;
    // Places along the scales, mapped linearly (see AxisMap.h).
    const TAxisMap mx = Owner->XMap().Linear(), my = Owner->YMap().Linear();
    const bool codes = Owner->RawCodes();
    const TSampleReader xr(*xs, Owner->XMap(), codes), yr(*s, Owner->YMap(), codes);
    const TDataOsc *xo = asOsc(*xs), *so = asOsc(*s);
    const double t = Tolerance();
    // With an order-keeping X mapping, a segment whose two ends lie at or
    // beyond a place that maps Tolerance away from x cannot pass Between:
    // such segments are passed over without mapping their ends.
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    if (mx.KeepsOrder()) {
        const double a = mx.FromPage(int(std::floor(x - t)) - 1);
        if (mx.ToPage(a) <= x - t)
            lo = a;
        const double b = mx.FromPage(int(std::ceil(x + t)) + 1);
        if (mx.ToPage(b) >= x + t)
            hi = b;
    }
    // The straight segment between samples, also for step-drawn series.
    for (int i = 0; i + 1 < n; ++i) {
        const double x0 = xr(i), x1 = xr(i + 1);
        if ((x0 <= lo && x1 <= lo) || (x0 >= hi && x1 >= hi))
            continue;
        // Nothing is drawn next to a missing sample, nor to one that is no
        // number or lies off a logarithmic scale.
        if (missing(so, i) || missing(so, i + 1) || missing(xo, i) || missing(xo, i + 1))
            continue;
        const int p = mx.ToPage(x0), q = mx.ToPage(x1);
        if (!Between(x, p, q))
            continue;
        const double y0 = yr(i), y1 = yr(i + 1);
        if (finite(x0, y0, x1, y1) && NearSegment(x, y, p, my.ToPage(y0), q, my.ToPage(y1)))
            return true;
    }
    return false;
}

int TCourbe::GetCursor() const
{
    return crCourbe;
}

void TCourbe::Edit()
{
    TCourbeDlg &dlg = Page()->Dialogs().Get<TCourbeDlg>();
    dlg.Fill({Name(), Unit(), Epais, GetColor()});
    if (prompts().Exec(dlg) != QDialog::Accepted)
        return;
    const TCourbeValues v = dlg.Values();
    SetColor(v.Color);
    Epais = v.Epais;
    SetName(v.Nom);
    SetUnit(v.Unite);
}

void TCourbe::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine(Keyword);
    out.WriteInt(SerieIndex);
    out.WriteInt(Epais);
}

std::unique_ptr<TSmallGraph> TCourbe::CreateFromStrings(TAxe *owner, DocumentReader &in)
{
    const int serieIndex = in.ReadInt();
    RequireSeries(in, owner->Datas, serieIndex);
    return std::make_unique<TCourbe>(owner, serieIndex, in.ReadInt());
}

#include "graphs/TCourbe.h"

#include "annotations/TLegende.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include "graphs/CurvePath.h"
#include "graphs/SegmentClip.h"
#include "graphs/TAxe.h"
#include "page/PointerShapes.h"
#include "render/Canvas.h"
#include <algorithm>
#include <cmath>

namespace
{

// Page points of the samples, computed once each: every sample ends one
// segment and starts the next.
class TSamplePoints
{
public:
    TSamplePoints(const TAxe &axe, const TData &x, const TData &s) : m_axe(axe), m_x(x), m_s(s) {}

    double X(int i) const { return m_x.GetValue(i); }
    double Y(int i) const { return m_s.GetValue(i); }
    QPoint Page(double x, double y) const
    {
        return {m_axe.XToPageClipped(x), m_axe.YToPageClipped(y)};
    }

private:
    const TAxe &m_axe;
    const TData &m_x;
    const TData &m_s;
};

bool finite(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

TCourbe::TCourbe(TAxe *owner, int serieIndex) : TSmallGraph(owner), SerieIndex(serieIndex)
{
    owner->AddElement(new TLegende(owner, serieIndex));
}

TCourbe::TCourbe(TAxe *owner, int serieIndex, int epais)
    : TSmallGraph(owner), SerieIndex(serieIndex), Epais(epais)
{
}

TCourbe::~TCourbe()
{
    const auto &elements = Owner->Elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        auto *label = dynamic_cast<TLegende *>(*it);
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
    const TData *s = Serie();
    return s ? s->Color : Color;
}

void TCourbe::SetColor(TColor value)
{
    if (TData *s = Serie())
        s->Color = value;
    else
        Color = value;
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
    switch (s->Kind) {
    case dkLogic:
    case dkBus:
        drawSteps(canvas, *x, *s, n);
        break;
    case dkAnalog:
        drawAnalog(canvas, *x, *s, n);
        break;
    case dkOsc:
        break;
    }
}

void TCourbe::drawAnalog(Canvas &canvas, const TData &x, const TData &s, int n) const
{
    const TScaleRect r{Owner->XMin, Owner->XMax, Owner->YMin, Owner->YMax};
    const TSamplePoints pts(*Owner, x, s);
    TCurvePath path(canvas);
    double x0 = n > 0 ? pts.X(0) : 0;
    double y0 = n > 0 ? pts.Y(0) : 0;
    QPoint p0;
    bool p0Known = false;
    for (int i = 1; i < n; ++i) {
        const double x1 = pts.X(i);
        const double y1 = pts.Y(i);
        QPoint p1;
        bool p1Known = false;
        double ax = x0, ay = y0, bx = x1, by = y1;
        if (finite(ax, ay, bx, by) && ClipSegment(r, ax, ay, bx, by)) {
            // An end the clipping kept is a sample whose page point is reused.
            auto page = [&](double vx, double vy) {
                if (vx == x0 && vy == y0) {
                    if (!p0Known)
                        p0 = pts.Page(x0, y0), p0Known = true;
                    return p0;
                }
                if (vx == x1 && vy == y1) {
                    if (!p1Known)
                        p1 = pts.Page(x1, y1), p1Known = true;
                    return p1;
                }
                return pts.Page(vx, vy);
            };
            const QPoint a = page(ax, ay);
            path.Segment(a, page(bx, by));
        }
        x0 = x1;
        y0 = y1;
        p0 = p1;
        p0Known = p1Known;
    }
}

void TCourbe::drawSteps(Canvas &canvas, const TData &x, const TData &s, int n) const
{
    if (n < 1)
        return;
    const TSamplePoints pts(*Owner, x, s);
    TCurvePath path(canvas);
    QPoint p = pts.Page(pts.X(0), pts.Y(0));
    path.MoveTo(p);
    for (int i = 1; i < n; ++i) {
        const QPoint q = pts.Page(pts.X(i), pts.Y(i));
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
    // The straight segment between samples, also for step-drawn series.
    int p = XToPage(xs->GetValue(0));
    for (int i = 0; i + 1 < n; ++i) {
        const int q = XToPage(xs->GetValue(i + 1));
        if (Between(x, p, q) &&
            NearSegment(x, y, p, YToPage(s->GetValue(i)), q, YToPage(s->GetValue(i + 1))))
            return true;
        p = q;
    }
    return false;
}

int TCourbe::GetCursor() const
{
    return crCourbe;
}

void TCourbe::Edit()
{
    // The curve's property dialog is not offered yet: nothing to edit.
}

void TCourbe::SaveToStrings(QStringList &lines) const
{
    lines << QStringLiteral("Courbe") << QString::number(SerieIndex) << QString::number(Epais);
}

#include "annotations/TArrow.h"

#include "annotations/FigureEdit.h"
#include "dialogs/DialogSet.h"
#include "page/TIsisGraph.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "graphs/PageRound.h"
#include "page/PointerShapes.h"
#include "page/TIsisGraph.h"
#include "render/Canvas.h"
#include <cmath>
#include <numbers>

TArrow::TArrow(TAxe *owner)
    : TDessin(owner), ArrowSize(Page()->DefArrowSize), DoubleArrow(Page()->DefDoubleArrow)
{
}

std::array<QPoint, 3> TArrow::HeadOffsets(int dx, int dy, int l)
{
    // Direction of the shaft seen from the tip, page Y downward; a shaft of
    // no length points down.
    double theta;
    if (dx != 0)
        theta = std::atan(double(dy) / dx) + (dx < 0 ? std::numbers::pi : 0);
    else
        theta = dy >= 0 ? std::numbers::pi / 2 : -std::numbers::pi / 2;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const auto at = [l](double ox, double oy) {
        return QPoint(RoundPage(l * ox), RoundPage(l * oy));
    };
    return {at(c + s / 2, s - c / 2), at(c / 2, s / 2), at(c - s / 2, s + c / 2)};
}

void TArrow::Draw(Canvas &canvas)
{
    if (!IsVisible())
        return;
    const QPoint p1(GetX(), GetY());
    const QPoint p2(GetX2(), GetY2());
    canvas.Pen = TPen{GetColor(), Epais};
    canvas.Brush = TBrush{GetColor(), TBrushStyle::bsSolid};
    canvas.MoveTo(p1.x(), p1.y());
    canvas.LineTo(p2.x(), p2.y());
    // Each head is one concave polygon: tip, barb, notch, barb.
    const auto o = HeadOffsets(Largeur, Hauteur, ArrowSize);
    canvas.Polygon(std::array{p1, p1 + o[0], p1 + o[1], p1 + o[2]});
    if (DoubleArrow)
        canvas.Polygon(std::array{p2, p2 - o[0], p2 - o[1], p2 - o[2]});
}

bool TArrow::HitTest(int x, int y) const
{
    return NearSegment(x, y, GetX(), GetY(), GetX2(), GetY2());
}

int TArrow::GetCursor() const
{
    return crArrow;
}

void TArrow::Edit()
{
    TFigureValues own;
    own.ArrowSize = ArrowSize;
    own.DoubleArrow = DoubleArrow;
    if (const auto v = EditFigure(*this, Page()->Dialogs().Get<TArrowDlg>(), own, 1)) {
        ArrowSize = ClampPage(v->ArrowSize);
        DoubleArrow = v->DoubleArrow;
    }
}

void TArrow::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine(Keyword);
    SaveCommon(out);
    out.WriteInt(Epais);
    out.WriteInt(ArrowSize);
    out.WriteBool(DoubleArrow);
    out.WriteColor(GetColor());
}

void TArrow::LoadFromStrings(DocumentReader &in)
{
    LoadCommon(in);
    Epais = in.ReadInt(PageSize);
    ArrowSize = in.ReadInt(PagePosition);
    DoubleArrow = in.ReadBool();
    SetColor(in.ReadColor());
}

void TArrow::ApplyDefaults()
{
    TDessin::ApplyDefaults();
    ArrowSize = Page()->DefArrowSize;
    DoubleArrow = Page()->DefDoubleArrow;
}

void TArrow::StoreDefaults()
{
    TDessin::StoreDefaults();
    Page()->DefArrowSize = ArrowSize;
    Page()->DefDoubleArrow = DoubleArrow;
}

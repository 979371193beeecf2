#include "annotations/Marker.h"

#include "dialogs/DialogSet.h"
#include "page/TIsisGraph.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "page/PointerShapes.h"
#include "render/Canvas.h"

TMarker::TMarker(TAxe *owner) : TDessin(owner)
{
    LockXY = true;
}

void TMarker::Draw(Canvas &canvas)
{
    if (!IsVisible())
        return;
    const QLine l = MarkerLine();
    canvas.Pen = TPen{GetColor(), Epais};
    canvas.MoveTo(l.x1(), l.y1());
    canvas.LineTo(l.x2(), l.y2());
}

std::optional<TMarkerValues> TMarker::RunMarkerDialog(TMarkerDlg &dlg)
{
    dlg.Fill({RefX, RefY, Epais, GetColor()});
    if (!RunDialog(dlg))
        return std::nullopt;
    const TMarkerValues v = dlg.Read();
    Epais = v.Epais;
    SetColor(v.Color);
    return v;
}

bool TMarker::HitTest(int x, int y) const
{
    const QLine l = MarkerLine();
    return Between(x, l.x1(), l.x2()) && Between(y, l.y1(), l.y2());
}

void TMarker::SaveMarker(DocumentWriter &out, std::string_view keyword, double value) const
{
    out.WriteLine(keyword);
    SaveCommon(out);
    out.WriteReal(value);
    out.WriteInt(Epais);
    out.WriteColor(GetColor());
    out.WriteInt(Reserved);
}

double TMarker::LoadMarker(DocumentReader &in)
{
    LoadCommon(in);
    const double value = in.ReadReal();
    Epais = in.ReadInt(PageSize);
    SetColor(in.ReadColor());
    Reserved = in.ReadInt();
    return value;
}

int THMarker::GetCursor() const
{
    return crHMarker;
}

void THMarker::Edit()
{
    if (const auto v = RunMarkerDialog(Page()->Dialogs().Get<THMarkerDlg>()))
        RefY = v->RefY;
}

void THMarker::SaveToStrings(DocumentWriter &out) const
{
    SaveMarker(out, Keyword, RefY);
}

void THMarker::LoadFromStrings(DocumentReader &in)
{
    RefY = LoadMarker(in);
}

void THMarker::SetDY(int v)
{
    RefY = PageToY(YToPage(RefY) - v);
}

int THMarker::GetX() const
{
    return (XToPage(XMax()) + XToPage(XMin())) / 2;
}

int THMarker::GetY() const
{
    return YToPage(RefY);
}

bool THMarker::IsVisible() const
{
    return YMin() <= RefY && RefY <= YMax();
}

void THMarker::DrawSelection(Canvas &screen, int offX, int offY) const
{
    const int y = ScreenY(YToPage(RefY)) + offY;
    DrawFrame(screen, ScreenX(XToPage(XMin())), y, ScreenX(XToPage(XMax())), y);
    DrawMoveHandle(screen, ScreenX(GetX()) + offX, y);
}

QLine THMarker::MarkerLine() const
{
    const int y = YToPage(RefY);
    return {XToPage(XMax()), y, XToPage(XMin()), y};
}

int TVMarker::GetCursor() const
{
    return crVMarker;
}

void TVMarker::Edit()
{
    if (const auto v = RunMarkerDialog(Page()->Dialogs().Get<TVMarkerDlg>()))
        RefX = v->RefX;
}

void TVMarker::SaveToStrings(DocumentWriter &out) const
{
    SaveMarker(out, Keyword, RefX);
}

void TVMarker::LoadFromStrings(DocumentReader &in)
{
    RefX = LoadMarker(in);
}

void TVMarker::SetDX(int v)
{
    RefX = PageToX(XToPage(RefX) + v);
}

int TVMarker::GetX() const
{
    return XToPage(RefX);
}

int TVMarker::GetY() const
{
    return (YToPage(YMax()) + YToPage(YMin())) / 2;
}

bool TVMarker::IsVisible() const
{
    return XMin() <= RefX && RefX <= XMax();
}

void TVMarker::DrawSelection(Canvas &screen, int offX, int offY) const
{
    const int x = ScreenX(XToPage(RefX)) + offX;
    DrawFrame(screen, x, ScreenY(YToPage(YMax())), x, ScreenY(YToPage(YMin())));
    DrawMoveHandle(screen, x, ScreenY(GetY()) + offY);
}

QLine TVMarker::MarkerLine() const
{
    const int x = XToPage(RefX);
    return {x, YToPage(YMax()), x, YToPage(YMin())};
}

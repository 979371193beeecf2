#include "annotations/TDessin.h"

#include "dialogs/Prompts.h"
#include "dialogs/UDessinDlg.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "graphs/PageRound.h"
#include "page/TIsisGraph.h"
#include "render/Canvas.h"

TDessin::TDessin(TAxe *owner) : TSmallGraph(owner), Epais(Page()->DefEpais) {}

void TDessin::SetDX(int value)
{
    DX = ClampPage(value);
}

void TDessin::SetDY(int value)
{
    DY = ClampPage(value);
}

int TDessin::GetX() const
{
    return LockXY ? XToPage(RefX) + DX : Left() + DX;
}

int TDessin::GetY() const
{
    return LockXY ? YToPage(RefY) - DY : Bottom() - DY;
}

bool TDessin::IsVisible() const
{
    if (!LockXY)
        return true;
    return XMin() <= RefX && RefX <= XMax() && YMin() <= RefY && RefY <= YMax();
}

QPoint TDessin::GetSizeHandle() const
{
    return QPoint(ScreenX(GetX2()), ScreenY(GetY2()));
}

void TDessin::DrawSelection(Canvas &screen, int offX, int offY) const
{
    const int x1 = ScreenX(GetX()) + offX;
    const int y1 = ScreenY(GetY()) + offY;
    const int x2 = ScreenX(GetX2()) + offX;
    const int y2 = ScreenY(GetY2()) + offY;
    DrawFrame(screen, x1, y2, x2, y1);
    DrawMoveHandle(screen, x1, y1);
    DrawSizeHandle(screen, x2, y2);
}

void TDessin::DrawSizing(Canvas &screen, int offX, int offY) const
{
    const int x1 = ScreenX(GetX());
    const int y1 = ScreenY(GetY());
    const int x2 = ScreenX(GetX2()) + offX;
    const int y2 = ScreenY(GetY2()) + offY;
    DrawFrame(screen, x1, y2, x2, y1);
    DrawMoveHandle(screen, x1, y1);
    DrawSizeHandle(screen, x2, y2);
}

void TDessin::ApplyDefaults()
{
    SetColor(Page()->DefColor);
    Epais = Page()->DefEpais;
}

void TDessin::StoreDefaults()
{
    Page()->DefColor = GetColor();
    Page()->DefEpais = Epais;
}

void TDessin::MoveX(int x)
{
    SetDX(DX + x - GetX());
}

void TDessin::MoveY(int y)
{
    SetDY(DY + GetY() - y);
}

void TDessin::ScaleX(double f)
{
    SetDX(RoundPage(DX * f));
    Largeur = RoundPage(Largeur * f);
}

void TDessin::ScaleY(double f)
{
    SetDY(RoundPage(DY * f));
    Hauteur = RoundPage(Hauteur * f);
}

QPoint TDessin::GetScreenPoint() const
{
    return QPoint(ScreenX(GetX()), ScreenY(GetY()));
}

void TDessin::DrawFrame(Canvas &screen, int x1, int y1, int x2, int y2)
{
    screen.Pen.Color = clRed;
    screen.Pen.Width = 1;
    screen.MoveTo(x1, y2);
    screen.LineTo(x1, y1);
    screen.LineTo(x2, y1);
    screen.LineTo(x2, y2);
    screen.LineTo(x1, y2);
}

void TDessin::DrawMoveHandle(Canvas &screen, int x, int y)
{
    screen.Pen.Color = clBlack;
    screen.Pen.Width = 1;
    screen.Brush = TBrush{clOlive, TBrushStyle::bsSolid};
    screen.Ellipse(x - 3, y - 3, x + 3, y + 3);
}

void TDessin::DrawSizeHandle(Canvas &screen, int x, int y)
{
    screen.Pen.Color = clBlack;
    screen.Pen.Width = 1;
    screen.Brush = TBrush{clYellow, TBrushStyle::bsSolid};
    screen.Rectangle(x - 3, y - 3, x + 3, y + 3);
}

void TDessin::FillDialog(TDessinDlg &dlg) const
{
    dlg.FillReference(m_mapping, {LockXY, RefX, RefY, DX, DY});
}

void TDessin::ReadDialog(const TDessinDlg &dlg)
{
    const TReference r = dlg.ReadReference();
    LockXY = r.LockXY;
    RefX = r.RefX;
    RefY = r.RefY;
    SetDX(r.DX);
    SetDY(r.DY);
}

bool TDessin::RunDialog(QDialog &dlg)
{
    return prompts().Exec(dlg) == QDialog::Accepted;
}

void TDessin::SaveCommon(DocumentWriter &out) const
{
    out.WriteInt(DX);
    out.WriteInt(DY);
    out.WriteInt(Hauteur);
    out.WriteInt(Largeur);
    out.WriteReal(RefX);
    out.WriteReal(RefY);
    out.WriteBool(LockXY);
}

void TDessin::LoadCommon(DocumentReader &in)
{
    SetDX(in.ReadInt(PagePosition));
    SetDY(in.ReadInt(PagePosition));
    Hauteur = in.ReadInt(PagePosition);
    Largeur = in.ReadInt(PagePosition);
    RefX = in.ReadReal();
    RefY = in.ReadReal();
    LockXY = in.ReadBool();
}

#include "annotations/TLegende.h"

#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/UData.h"
#include "dialogs/DialogSet.h"
#include "dialogs/ULegendeDlg.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include "page/PointerShapes.h"
#include "render/Canvas.h"
#include "render/DocumentFont.h"
#include "render/PageFont.h"
#include <algorithm>
#include <cmath>
#include <limits>

TLegende::TLegende(TAxe *owner, int index) : TTextBox(owner), Index(index)
{
    // The font grows by a fifth of its height in pixels (96 per inch); the
    // size in points follows that height, rounded halves away from zero.
    const double pixels = std::round(Font.Size * 96.0 / 72);
    const double grown = std::nearbyint(pixels * 1.2);
    constexpr double maxSize = std::numeric_limits<int>::max();
    Font.Size = int(std::clamp(std::round(grown * 72 / 96), -maxSize, maxSize));
    Font.Bold = true;
    Font.Italic = false;
    Font.Underline = false;
    Font.StrikeOut = false;
    // Rows of ten slots along the top of the graph, a tenth of the X scale
    // apart, each row two font sizes below the previous one.
    const int c = Owner->LabelCount;
    DX = XToPage(Owner->XMap().ValueAt(c % 10, 10)) - Left();
    DY = Height() - Font.Size * ((c / 10) * 2 + 2);
    Owner->LabelCount = c + 1;
    // Long names would run into each other: the label then starts after the
    // one before, half a font size away.
    if (const TLegende *before = LastSeriesLabel(); before && Box().intersects(before->Box()))
        DX = before->DX + before->Box().width() + Font.Size / 2;
}

QRect TLegende::Box() const
{
    const QSize size = MeasureText(Font, LegendText());
    return QRect(DX, -DY - size.height(), size.width(), size.height());
}

const TLegende *TLegende::LastSeriesLabel() const
{
    const std::vector<TSmallGraph *> &elements = Owner->Elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        TDessin *d = *it ? (*it)->AsDessin() : nullptr;
        if (const TLegende *label = d ? d->AsLegende() : nullptr; label && !label->IsAxeX)
            return label;
    }
    return nullptr;
}

TLegende::TLegende(TAxe *owner) : TTextBox(owner) {}

TData *TLegende::Serie() const
{
    return Datas->Item(IsAxeX ? OwnerAxeX() : Index);
}

QString TLegende::LegendText() const
{
    const TData *s = Serie();
    if (!s)
        return QString();
    if (s->Unit.isEmpty())
        return s->Name;
    return s->Name + QLatin1Char('(') + s->Unit + QLatin1Char(')');
}

TColor TLegende::GetColor() const
{
    return ColorOf(Serie());
}

void TLegende::SetColor(TColor c)
{
    SetColorOf(Serie(), c);
}

void TLegende::Draw(Canvas &canvas)
{
    const QString text = LegendText();
    canvas.Font = Font;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Color = IsAxeX ? Owner->ColorAxe : GetColor();
    const QSize extent = canvas.TextExtent(text);
    Hauteur = extent.height();
    Largeur = extent.width();
    if (!text.isEmpty())
        canvas.TextOut(Left() + DX, Bottom() - DY - Hauteur, text);
}

bool TLegende::HitTest(int x, int y) const
{
    return BoxHit(Left() + DX, Bottom() - DY, x, y);
}

int TLegende::GetCursor() const
{
    return crLegende;
}

void TLegende::Edit()
{
    TData *serie = Serie();
    if (!serie)
        return;
    auto &dlg = Page()->Dialogs().Get<TLegendeDlg>();
    dlg.Fill({serie->Name, serie->Unit, Font, GetColor(), DX, DY}, Width(), Height());
    if (!RunDialog(dlg))
        return;
    const TLegendeValues v = dlg.Read();
    Font = v.Font;
    serie->Name = v.Nom;
    serie->Unit = v.Unite;
    SetDX(v.DX);
    SetDY(v.DY);
    SetColor(v.Color);
}

void TLegende::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine(Keyword);
    SaveCommon(out);
    out.WriteInt(Index);
    out.WriteBool(IsAxeX);
    WriteFont(out, Font);
}

void TLegende::LoadFromStrings(DocumentReader &in)
{
    LoadCommon(in);
    Index = in.ReadInt();
    IsAxeX = in.ReadBool();
    if (!IsAxeX)
        RequireSeries(in, Datas, Index);
    ReadFont(in, Font);
    Font.Color = GetColor();
}

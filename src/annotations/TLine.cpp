#include "annotations/TLine.h"

#include "annotations/FigureEdit.h"
#include "dialogs/DialogSet.h"
#include "page/TIsisGraph.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "page/PointerShapes.h"
#include "render/Canvas.h"

void TLine::Draw(Canvas &canvas)
{
    if (!IsVisible())
        return;
    canvas.Pen = TPen{GetColor(), Epais};
    canvas.MoveTo(GetX(), GetY());
    canvas.LineTo(GetX2(), GetY2());
}

bool TLine::HitTest(int x, int y) const
{
    return NearSegment(x, y, GetX(), GetY(), GetX2(), GetY2());
}

int TLine::GetCursor() const
{
    return crLine;
}

void TLine::Edit()
{
    EditFigure(*this, Page()->Dialogs().Get<TLineDlg>(), {}, 1);
}

void TLine::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine(Keyword);
    SaveCommon(out);
    out.WriteInt(Epais);
    out.WriteColor(GetColor());
}

void TLine::LoadFromStrings(DocumentReader &in)
{
    LoadCommon(in);
    Epais = in.ReadInt(PageSize);
    SetColor(in.ReadColor());
}

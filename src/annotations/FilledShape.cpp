#include "annotations/FilledShape.h"

#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "page/TIsisGraph.h"
#include "render/Canvas.h"

TFilledShape::TFilledShape(TAxe *owner) : TDessin(owner), Remplissage(Page()->DefFill) {}

void TFilledShape::ApplyDefaults()
{
    TDessin::ApplyDefaults();
    Remplissage = Page()->DefFill;
}

void TFilledShape::StoreDefaults()
{
    TDessin::StoreDefaults();
    Page()->DefFill = Remplissage;
}

void TFilledShape::SetStyle(Canvas &canvas) const
{
    canvas.Pen = TPen{GetColor(), Epais};
    canvas.Brush = Remplissage ? TBrush{GetColor(), TBrushStyle::bsSolid}
                               : TBrush{canvas.Brush.Color, TBrushStyle::bsClear};
}

bool TFilledShape::DrawFlat(Canvas &canvas, int x1, int y1, int x2, int y2)
{
    if ((x1 == x2) == (y1 == y2))
        return false;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    return true;
}

void TFilledShape::SaveShape(DocumentWriter &out, std::string_view keyword) const
{
    out.WriteLine(keyword);
    SaveCommon(out);
    out.WriteInt(Epais);
    out.WriteBool(Remplissage);
    out.WriteColor(GetColor());
}

void TFilledShape::LoadFromStrings(DocumentReader &in)
{
    LoadCommon(in);
    Epais = in.ReadInt(PageSize);
    Remplissage = in.ReadBool();
    SetColor(in.ReadColor());
}

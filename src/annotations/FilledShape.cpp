#include "annotations/FilledShape.h"

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

#include "page/TSmallGraph.h"

#include "data/TData.h"
#include "data/TDatas.h"
#include "graphs/TAxe.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"
#include <algorithm>
#include <cmath>

TSmallGraph::TSmallGraph(TAxe *owner)
    : Datas(owner->Datas), Color(owner->Page()->DefColor), Font(owner->Page()->DefFont),
      Owner(owner)
{
}

TSmallGraph::~TSmallGraph() = default;

TColor TSmallGraph::GetColor() const
{
    return Color;
}

void TSmallGraph::SetColor(TColor value)
{
    Color = value;
}

TColor TSmallGraph::ColorOf(const TData *serie) const
{
    return serie ? serie->Color : Color;
}

void TSmallGraph::SetColorOf(TData *serie, TColor value)
{
    if (serie)
        serie->Color = value;
    else
        Color = value;
}

TIsisGraph *TSmallGraph::Page() const
{
    return Owner->Page();
}

int TSmallGraph::Left() const
{
    return Owner->Left;
}

int TSmallGraph::Top() const
{
    return Owner->Top;
}

int TSmallGraph::Width() const
{
    return Owner->Width();
}

int TSmallGraph::Height() const
{
    return Owner->Height();
}

int TSmallGraph::Bottom() const
{
    return Owner->Bottom();
}

double TSmallGraph::XMin() const
{
    return Owner->XMin;
}

double TSmallGraph::XMax() const
{
    return Owner->XMax;
}

double TSmallGraph::YMin() const
{
    return Owner->YMin;
}

double TSmallGraph::YMax() const
{
    return Owner->YMax;
}

int TSmallGraph::XToPage(double x) const
{
    return Owner->XToPage(x);
}

int TSmallGraph::XToPageClipped(double x) const
{
    return Owner->XToPageClipped(x);
}

int TSmallGraph::YToPage(double y) const
{
    return Owner->YToPage(y);
}

int TSmallGraph::YToPageClipped(double y) const
{
    return Owner->YToPageClipped(y);
}

double TSmallGraph::PageToX(int px) const
{
    return Owner->PageToX(px);
}

double TSmallGraph::PageToY(int py) const
{
    return Owner->PageToY(py);
}

TSeriesSet TSmallGraph::ShownSeries() const
{
    if (const auto *math = dynamic_cast<const TMath *>(Owner))
        return math->Affiches();
    return Datas ? Datas->AllButFirst() : TSeriesSet();
}

int TSmallGraph::OwnerAxeX() const
{
    if (dynamic_cast<const TMath *>(Owner))
        return Owner->AxeX();
    return 0;
}

int TSmallGraph::ScreenX(int px) const
{
    return Page()->ScreenX(px);
}

int TSmallGraph::ScreenY(int py) const
{
    return Page()->ScreenY(py);
}

double TSmallGraph::Tolerance() const
{
    const TIsisGraph *page = Page();
    return page->Scale() * 5 / page->Zoom();
}

bool TSmallGraph::Between(int v, int a, int b) const
{
    const double t = Tolerance();
    return std::min(a, b) - t < v && v < std::max(a, b) + t;
}

double TSmallGraph::LineDistance(int x, int y, int x1, int y1, int x2, int y2)
{
    const double dx = double(x2) - x1;
    const double dy = double(y2) - y1;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return std::hypot(double(x) - x1, double(y) - y1);
    return std::fabs((double(x) - x1) * dy - (double(y) - y1) * dx) / length;
}

bool TSmallGraph::NearSegment(int x, int y, int x1, int y1, int x2, int y2) const
{
    return Between(x, x1, x2) && Between(y, y1, y2) &&
           LineDistance(x, y, x1, y1, x2, y2) < Tolerance();
}

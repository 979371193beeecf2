#include "graphs/TMath.h"

#include "annotations/TLegende.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/EngNumbers.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include "graphs/Graduations.h"
#include "graphs/TCourbe.h"
#include "page/TIsisGraph.h"
#include "render/PageFont.h"
#include <QSize>
#include <cmath>

TMath::TMath(TIsisGraph *page) : TAxe(page) {}

TMath *TMath::CreateFromDatas(TIsisGraph *page, const TSeriesSet &shown, int axeX,
                              const TNewScales &scales)
{
    auto *g = new TMath(page);
    g->LabelCount = 0;
    g->m_axeX = axeX;
    g->LogX = scales.LogX;
    if (const TData *x = g->Datas ? g->Datas->Item(axeX) : nullptr) {
        g->XMin = x->Min;
        g->XMax = x->Max;
    }
    if (g->Datas) {
        g->YMin = g->Datas->MinOf(shown);
        g->YMax = g->Datas->MaxOf(shown);
    }
    if (scales.WholeStepsY)
        g->widenYToSteps();
    g->PasX = g->AutoPasX();
    g->PasY = g->AutoPasY();
    g->addAxisLegend();
    g->SetAffiches(shown);
    return g;
}

void TMath::widenYToSteps()
{
    const double step = AutoPasY();
    const double lo = std::floor(YMin / step) * step;
    // Adding zero turns -0 into 0.
    const double hi = std::ceil(YMax / step) * step + 0.0;
    if (std::isfinite(lo) && std::isfinite(hi)) {
        YMin = lo;
        YMax = hi;
    }
}

void TMath::addAxisLegend()
{
    auto *legend = AddElement(std::make_unique<TLegende>(this, 0));
    legend->IsAxeX = true;
    // The axis legend gives its label slot back: curve labels start at the first.
    --LabelCount;
    const int end = XToPageClipped(XMax);
    const int y0 = YToPageClipped(0);
    legend->SetDX(end + (Width() * 6) / 400 + 10 - Left);
    legend->SetDY(Bottom() - y0 - 10);
    // A name too long for the room left of the frame's edge would be cut off
    // there: it then ends where the scale ends, past the graduation labels on
    // their side of the axis (in the margin when the axis runs along an edge).
    const QSize size = MeasureText(legend->Font, legend->LegendText());
    if (Left + legend->DX + size.width() <= Right())
        return;
    const int u = Width() / 400;
    const int labels = 3 * u + MeasureText(FontGrad, QStringLiteral("0")).height();
    legend->SetDX(end - size.width() - Left);
    legend->SetDY(YMax <= 0 ? Bottom() - y0 + labels : Bottom() - y0 - labels - size.height());
}

void TMath::SetAffiches(const TSeriesSet &s)
{
    if (s == m_affiches)
        return;
    // Deleting a curve also deletes its label, wherever it stands, but never
    // another curve: walking a copy of the curve list visits each one once.
    std::vector<TCourbe *> curves;
    for (TSmallGraph *e : Elements())
        if (auto *c = dynamic_cast<TCourbe *>(e))
            curves.push_back(c);
    TSeriesSet kept;
    for (TCourbe *c : curves) {
        if (s.Contains(c->SerieIndex) && !kept.Contains(c->SerieIndex))
            kept.Include(c->SerieIndex);
        else
            DeleteElement(c);
    }
    const int count = Datas ? Datas->Count() : 0;
    for (int k = 0; k < count; ++k)
        if (s.Contains(k) && !kept.Contains(k))
            AddElement(std::make_unique<TCourbe>(this, k));
    m_affiches = s;
}

double TMath::AutoPasX() const
{
    return AutoScaleStep(XMin, XMax);
}

double TMath::AutoPasY() const
{
    return AutoScaleStep(YMin, YMax);
}

void TMath::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine(Keyword);
    out.WriteReal(PasX);
    out.WriteReal(PasY);
    out.WriteBool(PasXAuto);
    out.WriteBool(PasYAuto);
    out.WriteBool(QuadriHor);
    out.WriteBool(QuadriVer);
    out.WriteSet(m_affiches);
    SaveAxe(out);
}

std::unique_ptr<TAxe> TMath::CreateFromStrings(TIsisGraph *page, TDatas *datas,
                                               DocumentReader &in)
{
    auto g = std::make_unique<TMath>(page);
    g->Datas = datas;
    g->PasX = in.ReadReal();
    g->PasY = in.ReadReal();
    g->PasXAuto = in.ReadBool();
    g->PasYAuto = in.ReadBool();
    g->QuadriHor = in.ReadBool();
    g->QuadriVer = in.ReadBool();
    // The curves come with the elements, not from the set.
    g->m_affiches = in.ReadSet();
    g->LabelCount = 0;
    g->LoadAxe(in);
    return g;
}

QString TMath::CursorXText(int sx) const
{
    const TIsisGraph *page = Page();
    const double v = ScreenToX(sx);
    const double resolution = XMap().Spread(v, double(page->width()) * 10 * page->Zoom());
    const TData *x = Datas ? Datas->Item(AxeX()) : nullptr;
    return FormatEng(v, resolution) + (x ? x->Unit : QString());
}

QString TMath::CursorYText(int sy) const
{
    const TIsisGraph *page = Page();
    const double v = ScreenToY(sy);
    const double resolution = YMap().Spread(v, double(page->height()) * 10 * page->Zoom());
    return FormatEng(v, resolution);
}

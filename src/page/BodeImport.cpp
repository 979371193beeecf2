// An AC analysis becomes a Bode page: two graphs on the same logarithmic
// frequency scale, the gains in dB above the phases in degrees, each complex
// vector drawn in both in its gain's colour.
#include "data/SpiceRaw.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"

void TIsisGraph::ImportBode(TDatas series, const std::vector<TGainPhase> &pairs)
{
    TSeriesSet gains, phases;
    for (const TGainPhase &p : pairs) {
        TData *gain = series.Item(p.Gain);
        TData *phase = series.Item(p.Phase);
        if (!gain || !phase || !TSeriesSet::InRange(p.Gain) || !TSeriesSet::InRange(p.Phase))
            continue;
        gains.Include(p.Gain);
        phases.Include(p.Phase);
        phase->Color = gain->Color;
    }
    SetSelected(nullptr);
    FileName.clear();
    // The graphs refer to the series they draw: free them before the series.
    SetGraphCount(0);
    *Datas = std::move(series);
    SetZoom(1);
    // Two graphs of 2000 by 1500 points, as tall as one imported graph, so
    // that the labels above each keep clear of the scale's graduations;
    // labels are placed at the final width.
    SetMFWidth(2000);
    for (const TSeriesSet &shown : {gains, phases})
        AppendGraph(std::unique_ptr<TAxe>(TMath::CreateFromDatas(this, shown, 0, {true, true})));
    SetMFHeight(3000);
    startHistory();
    Redraw();
}

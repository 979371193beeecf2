// The page view's import of an oscilloscope transfer.
#include "page/OscImport.h"

#include "data/UData.h"
#include "dialogs/Prompts.h"
#include "graphs/TOsc.h"
#include "page/TIsisGraph.h"
#include <algorithm>

TDatas OscSeries(const TChannelData &timeBase, bool xyMode,
                 const std::array<const TChannelData *, OscChannels.size()> &records)
{
    TDatas series;
    if (!xyMode) {
        auto t = std::make_unique<TDataAnalog>();
        t->SetCount(std::clamp(timeBase.NrPt, 0, TChannelData::MaxPoints));
        for (int i = 0; i < t->Count(); ++i)
            t->SetValue(i, (i - timeBase.PtOff) * timeBase.XIncr + timeBase.XZero);
        t->Unit = timeBase.XUnit;
        t->SetName(t->Unit == QLatin1String("s") ? QStringLiteral("t") : QStringLiteral("f"));
        series.Add(std::move(t));
    }
    for (std::size_t k = 0; k < records.size(); ++k)
        if (records[k] && records[k]->Present)
            series.AddChannel(*records[k], OscChannels[k].Color, OscChannels[k].Tag);
    return series;
}

// The page is replaced only when the transfer holds something to show: a
// screen needs an abscissa and at least one channel.
bool TIsisGraph::ImportOscSeries(TDatas series)
{
    if (series.Count() < 2) {
        ShowMessage(QStringLiteral("Aucun oscillogramme présent actuellement sur l'oscilloscope"),
                    this);
        return false;
    }
    SetSelected(nullptr);
    FileName.clear();
    // The graphs refer to the series they draw: free them before the series.
    SetGraphCount(0);
    *Datas = std::move(series);
    AppendGraph(TOsc::CreateFromDatas(this));
    SetMFHeight(MFHeight());
    SetZoom(1);
    startHistory();
    Redraw();
    return true;
}

// The page view's import of a simulator graph export.
#include "data/UData.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"

// The file is read aside: a file that cannot be read leaves the page, its
// series, its selection and its file name exactly as they were.
bool TIsisGraph::ImportIsis(const QString &fileName, QString *why)
{
    TDatas fresh;
    QString reason;
    if (!fresh.LoadFromIsisFile(fileName, &reason)) {
        if (why)
            *why = QStringLiteral("Format de fichier non reconnu\n") + reason;
        return false;
    }

    SetSelected(nullptr);
    FileName.clear();
    // The graphs refer to the series they draw: free them before the series.
    SetGraphCount(0);
    *Datas = std::move(fresh);
    SetZoom(1);
    AppendGraph(std::unique_ptr<TAxe>(TMath::CreateFromDatas(this, Datas->AllButFirst(), 0)));
    // The one graph takes the whole height.
    SetMFHeight(1500);
    SetMFWidth(2000);
    startHistory();
    Redraw();
    return true;
}

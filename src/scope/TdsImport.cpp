#include "scope/TdsImport.h"
#include "data/TDatas.h"
#include "page/OscImport.h"
#include "page/TIsisGraph.h"
#include "scope/CTds.h"
#include "scope/UTDSTransfert.h"

bool ImportTDS(TIsisGraph &page, const QList<TPortInfo> &ports)
{
    page.SetSelected(nullptr);
    TTDS link;
    link.SetPort(page.PortName);
    TTDSTransfertDlg dialog(&page);
    const bool read = dialog.Execute(link, ports);
    // The port the user chose is proposed again next time, even after a failure.
    page.PortName = link.GetPort();
    if (!read) {
        page.Redraw();
        return false;
    }
    return ImportFromLink(page, link);
}

bool ImportFromLink(TIsisGraph &page, const TTDS &link)
{
    return page.ImportOscSeries(OscSeries(
        link.TimeBase, link.XYMode,
        {&link.Ch1, &link.Ch2, &link.Ch3, &link.Ch4, &link.MathWave, &link.RefA, &link.RefB}));
}

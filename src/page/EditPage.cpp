// The page view's own dialog.
#include "page/TIsisGraph.h"

#include "dialogs/DialogSet.h"
#include "dialogs/Prompts.h"
#include "dialogs/UPageDlg.h"
#include "graphs/PageRound.h"
#include <algorithm>

void TIsisGraph::EditPage()
{
    TPageDlg &dlg = Dialogs().Get<TPageDlg>();
    dlg.Fill({MFHeight(), MFWidth(), RoundPage(Marge * 100), BackColor});
    if (prompts().Exec(dlg) != QDialog::Accepted)
        return;
    const TPageValues v = dlg.Values();
    SetMFHeight(v.Height);
    SetMFWidth(v.Width);
    Marge = std::clamp(v.Marge / 100.0, MinMarge, MaxMarge);
    BackColor = v.BackColor;
    SetMFHeight(MFHeight());
    MarkModified(QStringLiteral("modifier la page"));
}

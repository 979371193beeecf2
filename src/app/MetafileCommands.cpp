#include "app/MetafileCommands.h"
#include "dialogs/Prompts.h"
#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include "render/PictureClipboard.h"
#include <QClipboard>
#include <QGuiApplication>

bool WmfCommand(QWidget &window, const TIsisGraph &page)
{
    TFileDialogOptions options;
    options.Filter = QStringLiteral("Windows Meta File (*.wmf)|*.wmf");
    options.DefaultExt = QStringLiteral("wmf");
    const QString fileName = prompts().SaveFileName(&window, options);
    if (fileName.isEmpty())
        return false;
    const QString error = ExportMetafile(page.Metafile(), fileName, {page.FileName});
    if (!error.isEmpty())
        ShowError(error, &window);
    return error.isEmpty();
}

void CopierCommand(const TIsisGraph &page)
{
    QGuiApplication::clipboard()->setMimeData(PictureMimeData(page.Metafile(), page.BackColor));
}

#include "app/IsisCommand.h"

#include "app/FileCommands.h"
#include "dialogs/Prompts.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QWidget>

bool IsisCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                 const std::function<void()> &refreshView)
{
    if (!SaveChangesFirst(window, page))
        return false;
    TFileDialogOptions options;
    options.Filter = QStringLiteral("Graphe Isis (*.dat)|*.dat");
    options.DefaultExt = QStringLiteral("dat");
    const QString fileName = prompts().OpenFileName(&window, options);
    const bool imported = !fileName.isEmpty() && ImportIsisFile(window, page, addGraph, fileName);
    refreshView();
    return imported;
}

bool ImportIsisFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                    const QString &fileName)
{
    QString why;
    if (!page.ImportIsis(fileName, &why)) {
        ShowMessage(why, &window);
        return false;
    }
    window.setWindowTitle(ImportCaption());
    addGraph.setEnabled(true);
    return true;
}

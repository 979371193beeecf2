#include "app/IsisCommand.h"

#include "dialogs/Prompts.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QWidget>

bool IsisCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                 const std::function<void()> &refreshView)
{
    TFileDialogOptions options;
    options.Filter = QStringLiteral("Graphe Isis (*.dat)|*.dat");
    options.DefaultExt = QStringLiteral("dat");
    const QString fileName = prompts().OpenFileName(&window, options);
    bool imported = false;
    if (!fileName.isEmpty()) {
        QString why;
        imported = page.ImportIsis(fileName, &why);
        if (imported) {
            window.setWindowTitle(QStringLiteral("Scolivet : "));
            addGraph.setEnabled(true);
        } else {
            ShowMessage(why, &window);
        }
    }
    refreshView();
    return imported;
}

#include "app/GivenFile.h"
#include "app/FileCommands.h"
#include "page/TIsisGraph.h"
#include <QAction>

void OpenGivenFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                   const std::function<void()> &refreshView, const QString &fileName)
{
    if (!SaveChangesFirst(window, page))
        return;
    // Unlike the start-up file, a document given later leaves AddGraph
    // usable, as "Ouvrir" does.
    if (TIsisGraph::IsDocumentFile(fileName))
        addGraph.setEnabled(true);
    OpenStartupFile(window, page, addGraph, refreshView, fileName);
}

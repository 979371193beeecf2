#include "app/GivenFile.h"
#include "app/FileCommands.h"
#include "app/IsisCommand.h"
#include "page/TIsisGraph.h"
#include <QAction>

bool OpenGivenFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                   const std::function<void()> &refreshView, const QString &fileName)
{
    if (!SaveChangesFirst(window, page))
        return false;
    bool opened = false;
    if (TIsisGraph::IsDocumentFile(fileName)) {
        opened = OpenDocument(window, page, fileName);
        addGraph.setEnabled(true);
    } else {
        ImportIsisFile(window, page, addGraph, fileName);
    }
    refreshView();
    return opened;
}

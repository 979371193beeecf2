#include "app/TdsCommand.h"

#include "app/FileCommands.h"
#include "scope/TdsImport.h"
#include "serial/CPort.h"
#include <QAction>
#include <QWidget>

bool TdsCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                const std::function<void()> &refreshView)
{
    if (!SaveChangesFirst(window, page))
        return false;
    const bool imported = ImportTDS(page, TComPort::ListPorts());
    if (imported) {
        window.setWindowTitle(ImportCaption());
        addGraph.setEnabled(true);
    }
    refreshView();
    return imported;
}

#include "app/ImportCommand.h"

#include "app/FileCommands.h"
#include "data/FileKind.h"
#include "dialogs/PartChoiceDlg.h"
#include "dialogs/Prompts.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QWidget>

bool ImportCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                   const std::function<void()> &refreshView)
{
    if (!SaveChangesFirst(window, page))
        return false;
    TFileDialogOptions options;
    options.Filter = ImportFileFilter();
    options.FileMustExist = true;
    const QString fileName = prompts().OpenFileName(&window, options);
    const bool imported = !fileName.isEmpty() && ImportAnyFile(window, page, addGraph, fileName);
    refreshView();
    return imported;
}

bool ImportAnyFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                   const QString &fileName)
{
    QString why;
    const auto choose = [&window](const QStringList &parts, int proposed) {
        return ChoosePart(&window, parts, proposed);
    };
    if (!page.ImportFile(fileName, &why, choose)) {
        if (!why.isEmpty())
            ShowMessage(why, &window);
        return false;
    }
    window.setWindowTitle(ImportCaption());
    addGraph.setEnabled(true);
    return true;
}

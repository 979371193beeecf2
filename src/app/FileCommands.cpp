#include "app/FileCommands.h"

#include "app/ImportCommand.h"
#include "dialogs/Prompts.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace
{

TFileDialogOptions DocumentDialog()
{
    TFileDialogOptions options;
    options.Filter = QStringLiteral("Scolivet (*.scv)|*.scv");
    options.DefaultExt = QStringLiteral("scv");
    return options;
}

} // namespace

QString DocumentCaption(const QString &fileName)
{
    // A "[*]" of the name itself is shown as it is, not as the mark.
    const auto literal = [](QString text) {
        return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    };
    const QFileInfo info(fileName);
    return QStringLiteral("Scolivet : %1[*] (%2)")
        .arg(literal(info.fileName()),
             literal(QDir::toNativeSeparators(info.absolutePath() + QLatin1Char('/'))));
}

QString ImportCaption()
{
    return QStringLiteral("Scolivet : [*]");
}

bool SaveChangesFirst(QWidget &window, TIsisGraph &page)
{
    if (!page.Modified())
        return true;
    switch (AskQuestion(QStringLiteral("Enregistrer les modifications ?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &window)) {
    case QMessageBox::Yes:
        return SaveCommand(window, page);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool OpenDocument(QWidget &window, TIsisGraph &page, const QString &fileName)
{
    if (!page.LoadFromFile(fileName))
        return false;
    window.setWindowTitle(DocumentCaption(fileName));
    return true;
}

bool LoadCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                 const std::function<void()> &refreshView)
{
    if (!SaveChangesFirst(window, page))
        return false;
    TFileDialogOptions options = DocumentDialog();
    options.FileMustExist = true;
    const QString fileName = prompts().OpenFileName(&window, options);
    if (fileName.isEmpty())
        return false;
    const bool opened = OpenDocument(window, page, fileName);
    addGraph.setEnabled(true);
    refreshView();
    return opened;
}

bool SaveCommand(QWidget &window, TIsisGraph &page)
{
    if (page.FileName.isEmpty())
        return SaveAsCommand(window, page);
    return page.SaveToFile(page.FileName);
}

bool SaveAsCommand(QWidget &window, TIsisGraph &page)
{
    TFileDialogOptions options = DocumentDialog();
    options.FileName = page.FileName;
    options.OverwritePrompt = true;
    const QString fileName = prompts().SaveFileName(&window, options);
    if (fileName.isEmpty() || !page.SaveToFile(fileName))
        return false;
    window.setWindowTitle(DocumentCaption(fileName));
    return true;
}

void OpenStartupFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                     const std::function<void()> &refreshView, const QString &fileName)
{
    // A document is known by its banner, whatever its name.
    if (TIsisGraph::IsDocumentFile(fileName))
        OpenDocument(window, page, fileName);
    else
        ImportAnyFile(window, page, addGraph, fileName);
    refreshView();
}

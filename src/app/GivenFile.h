#pragma once
// A file handed to the window without a file dialog (dropped on it, or
// picked among the recent files): after the question about unsaved changes,
// a document is opened as "Ouvrir" opens it, anything else imported as
// "Importer un fichier" imports it.
#include <QString>
#include <functional>

class QAction;
class QWidget;
class TIsisGraph;

void OpenGivenFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                   const std::function<void()> &refreshView, const QString &fileName);

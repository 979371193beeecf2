#pragma once
// "Importer un fichier": asks for a file of any format the program imports
// (the dialog offers them all together and each one), imports it into the
// page view and brings the window up to date. A file that holds several
// simulations asks which one to show.
#include <QString>
#include <functional>

class QAction;
class QWidget;
class TIsisGraph;

// As "Importer depuis Isis": the question about unsaved changes first,
// addGraph enabled and caption "Scolivet : " after a successful import, a
// failure reported, refreshView in every case but a cancelled question.
bool ImportCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                   const std::function<void()> &refreshView);
// Imports the file, whatever its format (documents excepted); on failure the
// reason is shown and nothing changes.
bool ImportAnyFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                   const QString &fileName);

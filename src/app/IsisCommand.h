#pragma once
// "Importer depuis Isis": asks for a simulator graph export, imports it into
// the page view and brings the window up to date.
#include <QString>
#include <functional>

class QAction;
class QWidget;
class TIsisGraph;

// window gets the caption and parents the dialogs; the question about
// unsaved changes comes first, and cancelling it cancels the command;
// addGraph is enabled after a successful import; refreshView runs in every
// other case, a cancelled dialog included. Returns whether a file was
// imported.
bool IsisCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                 const std::function<void()> &refreshView);
// Imports the file: on success the caption becomes "Scolivet : " and addGraph
// is enabled, otherwise the reason is shown and nothing changes.
bool ImportIsisFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                    const QString &fileName);

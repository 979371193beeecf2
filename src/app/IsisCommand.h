#pragma once
// "Importer depuis Isis": asks for a simulator graph export, imports it into
// the page view and brings the window up to date.
#include <functional>

class QAction;
class QWidget;
class TIsisGraph;

// window gets the caption and parents the dialogs; addGraph is enabled after
// a successful import; refreshView runs in every case, a cancelled dialog
// included. Returns whether a file was imported.
bool IsisCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                 const std::function<void()> &refreshView);

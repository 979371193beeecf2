#pragma once
// "Importer depuis TDS": fetches the oscilloscope's waveforms into the page
// view and brings the window up to date.
#include <functional>

class QAction;
class QWidget;
class TIsisGraph;

// The question about unsaved changes comes first, and cancelling it cancels
// the command. window gets the caption; addGraph is enabled after a
// successful import; refreshView runs in every other case. Returns whether
// a page was built.
bool TdsCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                const std::function<void()> &refreshView);

#pragma once
// "Exporter MetaFile" and "Copier dans le presse papier": the page picture,
// as last rendered, to a file or to the clipboard for word processors.
// Neither changes the caption nor the page's file name.
class QWidget;
class TIsisGraph;

// Asks for a name (no question before overwriting) and writes the picture:
// a placeable WMF for a name ending in ".wmf", any letter case, otherwise an
// EMF. The page's own document is never overwritten. A failure is shown with
// its reason. Returns whether a file was written.
bool WmfCommand(QWidget &window, const TIsisGraph &page);
// Replaces the clipboard's content with the picture (EMF, SVG and PNG).
void CopierCommand(const TIsisGraph &page);

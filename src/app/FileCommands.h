#pragma once
// The document commands of the main window: "Ouvrir", "Enregistrer",
// "Enregistrer sous", the question about unsaved changes asked before the
// page is replaced or the window closed, and the file named on the command
// line. window gets the caption and parents the dialogs.
#include <QString>
#include <functional>

class QAction;
class QWidget;
class TIsisGraph;

// "Scolivet : " + the file's name + " (" + its folder ending with "/" + ")",
// with the place of the window's modified mark after the name.
QString DocumentCaption(const QString &fileName);
// The caption of a page without a document (an import): "Scolivet : ", with
// the place of the modified mark at its end.
QString ImportCaption();

// When the page changed since it was opened, imported or saved, asks
// "Enregistrer les modifications ?" (Oui / Non / Annuler); Oui saves the page
// as "Enregistrer" does. False when the user cancels or the save fails: the
// page must then stay.
bool SaveChangesFirst(QWidget &window, TIsisGraph &page);

// Opens a document; the caption names it once it was read. A document that
// cannot be read is reported and changes neither the page nor the caption.
bool OpenDocument(QWidget &window, TIsisGraph &page, const QString &fileName);

// "Ouvrir": asks about unsaved changes, then for a document, and opens it.
// addGraph is enabled and refreshView runs once a file was chosen, whether
// or not it could be read. Returns whether a document was opened.
bool LoadCommand(QWidget &window, TIsisGraph &page, QAction &addGraph,
                 const std::function<void()> &refreshView);
// "Enregistrer": saves under the page's file name, or asks for one when the
// page has none. Returns whether the page was saved.
bool SaveCommand(QWidget &window, TIsisGraph &page);
// "Enregistrer sous": asks for a name (preset with the page's) and saves; the
// caption then names the file. A failed save changes neither.
bool SaveAsCommand(QWidget &window, TIsisGraph &page);

// The file named on the command line: a document is opened, anything else is
// imported as "Importer un fichier" imports it. refreshView runs in every case.
void OpenStartupFile(QWidget &window, TIsisGraph &page, QAction &addGraph,
                     const std::function<void()> &refreshView, const QString &fileName);

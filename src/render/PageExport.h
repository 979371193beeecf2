#pragma once
// Writes a page picture to a file chosen by its extension:
// - ".svg": vector page at 96 dpi, one page unit per SVG unit, texts as text;
// - ".png": one pixel per page unit;
// - ".pdf": one page of the picture's size at 96 dpi, no margins, texts as text;
// - ".emf", ".wmf": as ExportMetafile.
// The page is first filled with backColor (the page view's BackColor; white
// for a white page). The file is replaced only once completely written; a
// target that is one of `inputs` is refused. Returns an empty string on
// success, otherwise the French reason.
#include "data/TColor.h"
#include <QImage>
#include <QString>
#include <QStringList>

class PagePicture;
class QIODevice;

QString ExportPagePicture(const PagePicture &picture, const QString &fileName,
                          TColor backColor = clWhite, const QStringList &inputs = {});

// The picture as a Windows metafile, as word processors take it: a name
// ending in ".wmf" (any letter case) gets the placeable WMF, every other
// name the EMF. The picture is written as recorded (a white page stays
// transparent). Same failures and reasons as above.
QString ExportMetafile(const PagePicture &picture, const QString &fileName,
                       const QStringList &inputs = {});

// The page on its background as SVG (fonts followed by their generic family,
// characters XML forbids replaced), and as an image of one pixel per page
// unit (a null image when the page is empty, too large or memory runs out).
// The SVG is drawn in passes of at least `recordsPerPass` records, which
// bounds the memory it takes; the file is the same whatever their size.
bool WritePageSvg(QIODevice &out, const PagePicture &picture, TColor backColor,
                  int recordsPerPass = 4096);
QImage PageImage(const PagePicture &picture, TColor backColor);

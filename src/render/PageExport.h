#pragma once
// Writes a page picture to a file chosen by its extension:
// - ".svg": vector page at 96 dpi, one page unit per SVG unit, texts as text;
// - ".png": one pixel per page unit.
// The page is first filled with backColor (the page view's BackColor; white
// for a white page). The file is replaced only once completely written; a
// target that is one of `inputs` is refused. Returns an empty string on
// success, otherwise the French reason.
#include "data/TColor.h"
#include <QString>
#include <QStringList>

class PagePicture;

QString ExportPagePicture(const PagePicture &picture, const QString &fileName,
                          TColor backColor = clWhite, const QStringList &inputs = {});

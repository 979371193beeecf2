#pragma once
// The page picture as the clipboard offers it to word processors: the EMF
// under the names LibreOffice, Qt programs and Windows programs look for,
// then SVG and a PNG image of one pixel per page unit (left out when the
// page is too large for an image). Everything is made at once, so the
// clipboard keeps the page as it was when copied.
#include "data/TColor.h"
#include <QStringList>

class PagePicture;
class QMimeData;

// The EMF's format names, in order of preference.
QStringList EmfClipboardFormats();

// A new mime data object for the clipboard to own.
QMimeData *PictureMimeData(const PagePicture &picture, TColor backColor);

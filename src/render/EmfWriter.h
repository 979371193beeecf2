#pragma once
// The page picture as an enhanced metafile (EMF): one device pixel per page
// unit, on a reference device of exactly 96 pixels per inch, so a word
// processor shows the page at its size (the page size in page units at
// 96 per inch). Logical units divide the page unit (by 16 unless the
// picture reaches too far for 32 bits), so that readers draw ellipses
// smooth; hollow shapes use the stock null brush. Texts are UTF-16 at their baseline on a transparent
// background, with the page's character advances; the picture's frame is
// the whole page.
#include <QByteArray>

class PagePicture;

QByteArray WriteEmf(const PagePicture &picture);

#pragma once
// The page picture as an enhanced metafile (EMF): one logical unit per page
// unit, on a reference device of exactly 96 pixels per inch, so a word
// processor shows the page at its size (the page size in page units at
// 96 per inch). Texts are UTF-16 at their baseline on a transparent
// background, with the page's character advances; the picture's frame is
// the whole page.
#include <QByteArray>

class PagePicture;

QByteArray WriteEmf(const PagePicture &picture);

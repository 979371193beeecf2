#pragma once
// The page picture as a placeable Windows metafile: the 22-byte placeable
// header (key 0x9AC6CDD7, bounding box, 96 units per inch, checksum), then
// the 16-bit metafile, with the window set to the whole page so readers
// neither shift nor crop it. Coordinates are 16-bit: a page larger than
// 32767 units is scaled down to fit, the units per inch following so the
// picture keeps its size. Béziers are flattened; texts are Windows-1252
// (a character outside the code page becomes '?').
#include <QByteArray>

class PagePicture;

QByteArray WritePlaceableWmf(const PagePicture &picture);

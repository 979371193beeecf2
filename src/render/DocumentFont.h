#pragma once
// A font as one document line: name, ";", size in points, ";", then the set
// styles joined by ";" in the order fsBold, fsItalic, fsUnderline,
// fsStrikeOut ("Arial;12;fsBold;fsItalic", "Arial;12;"). The colour is not
// stored.
#include "render/TFont.h"

class DocumentReader;
class DocumentWriter;

void WriteFont(DocumentWriter &out, const TFont &font);
// Name, size and styles from the line; pieces after the size that name no
// style are ignored. The colour stays as it was.
void ReadFont(DocumentReader &in, TFont &font);

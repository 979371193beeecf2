#pragma once
// The names the "Fonte" list offers: font families as the page names them,
// without the foundry the font database appends when several foundries
// ship a family ("C059 [urw]"), each family once, in the given order.
#include <QStringList>

QStringList FontFamilyNames(const QStringList &families);

#pragma once
// An SVG names a text's font by its family only ("Times New Roman"); a viewer
// that lacks it picks its default face, often a sans-serif one. Appending the
// generic family that resembles the named one keeps the page's look there.
#include <QByteArray>
#include <QString>

// "serif", "sans-serif" or "monospace", from the family's name.
QString GenericFontFamily(const QString &family);

// Every font-family attribute of the SVG text followed by its generic family:
// font-family="Times New Roman" becomes font-family="Times New Roman, serif".
QByteArray WithGenericFontFamilies(const QByteArray &svg);

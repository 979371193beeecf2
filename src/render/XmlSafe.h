#pragma once
// XML 1.0 admits no control character but tab, line feed and carriage
// return, nor U+FFFE and U+FFFF: a text holding one (a name read from a file,
// say) would make the whole document unreadable by XML parsers.
#include <QByteArray>

// Replaces each such character of UTF-8 XML text by U+FFFD, the
// replacement character.
QByteArray XmlSafe(const QByteArray &utf8);

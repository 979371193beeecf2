#include "render/SvgFontFamilies.h"
#include <QRegularExpression>

QString GenericFontFamily(const QString &family)
{
    static const QRegularExpression mono(QStringLiteral("\\bMono|Courier|Consolas"));
    static const QRegularExpression sans(
        QStringLiteral("\\bSans\\b|^(Arial|Helvetica|Verdana|Tahoma|Calibri|Segoe UI)"));
    if (mono.match(family).hasMatch())
        return QStringLiteral("monospace");
    if (sans.match(family).hasMatch())
        return QStringLiteral("sans-serif");
    return QStringLiteral("serif");
}

QByteArray WithGenericFontFamilies(const QByteArray &svg)
{
    static const QByteArray attribute = "font-family=\"";
    QByteArray result;
    result.reserve(svg.size() + svg.size() / 16);
    qsizetype from = 0;
    for (qsizetype at = svg.indexOf(attribute); at >= 0; at = svg.indexOf(attribute, from)) {
        const qsizetype begin = at + attribute.size();
        const qsizetype end = svg.indexOf('"', begin);
        if (end < 0)
            break;
        const QString family = QString::fromUtf8(svg.mid(begin, end - begin));
        result += svg.mid(from, end - from);
        result += ", " + GenericFontFamily(family).toLatin1();
        from = end;
    }
    result += svg.mid(from);
    return result;
}

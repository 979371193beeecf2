#include "RawFiles.h"
#include "TestPaths.h"
#include <cstring>

QString SpiceSample(const QString &name)
{
    return QStringLiteral(SCOLIVET_SOURCE_DIR "/tests/data/spice/") + name;
}

QByteArray Utf16(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

// The header as the wide layout writes it: tab-indented variables, a few
// lines no reader needs, LF line ends.
QByteArray RawFile(const TRawLayout &layout)
{
    QString text = QStringLiteral("Title: * C:\\mesures\\filtre.asc\n"
                                  "Date: Tue Mar  4 10:20:30 2025\n");
    text += QStringLiteral("Plotname: %1\nFlags: %2\n").arg(layout.Plotname, layout.Flags);
    text += QStringLiteral("No. Variables: %1\n").arg(layout.Variables.size());
    text += QStringLiteral("No. Points: %1\n")
                .arg(layout.PointsText.isEmpty() ? QString::number(layout.Points) : layout.PointsText);
    text += QStringLiteral("Offset:   0.0000000000000000e+000\nVariables:\n");
    for (int i = 0; i < layout.Variables.size(); ++i) {
        const QStringList parts = layout.Variables[i].split(QLatin1Char(' '));
        text += QStringLiteral("\t%1\t%2\t%3\n").arg(i).arg(parts.value(0), parts.value(1));
    }
    text += layout.Binary ? QStringLiteral("Binary:\n") : QStringLiteral("Values:\n");
    return (layout.Wide ? Utf16(text) : text.toUtf8()) + layout.Values;
}

void AppendDouble(QByteArray &bytes, double v)
{
    char raw[sizeof v];
    std::memcpy(raw, &v, sizeof v);
    bytes.append(raw, sizeof raw);
}

void AppendFloat(QByteArray &bytes, float v)
{
    char raw[sizeof v];
    std::memcpy(raw, &v, sizeof v);
    bytes.append(raw, sizeof raw);
}

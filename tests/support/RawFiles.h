#pragma once
// SPICE raw files for tests. Those that ngspice writes are committed under
// tests/data/spice with their netlists (make-files there writes them again).
// Files in the wide layout (UTF-16LE text, 32-bit floats, compressed points,
// stepped runs, vector-by-vector blocks) come from a simulator that runs on
// no machine here: RawFile builds them from that layout as published.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The path of a file under tests/data/spice.
QString SpiceSample(const QString &name);

struct TRawLayout {
    QString Plotname = QStringLiteral("Transient Analysis");
    QString Flags = QStringLiteral("real forward");
    // "name type" per variable, the abscissa first.
    QStringList Variables;
    qint64 Points = 0;
    bool Wide = true;          // UTF-16LE text
    bool Binary = true;        // "Binary:" and bytes, else "Values:" and text
    QByteArray Values;         // what follows the "Binary:" or "Values:" line
    QString PointsText;        // the count as written, when not Points
};

QByteArray RawFile(const TRawLayout &layout);

// Little-endian values, appended.
void AppendDouble(QByteArray &bytes, double v);
void AppendFloat(QByteArray &bytes, float v);
// Text in UTF-16LE.
QByteArray Utf16(const QString &text);

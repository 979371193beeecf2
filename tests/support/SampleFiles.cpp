#include "SampleFiles.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

QString WriteSampleFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
    return path;
}

QByteArray ReadSampleFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray IsisExportText(int columns, int rows)
{
    QByteArray text;
    for (int c = 0; c < columns; ++c)
        text += (c ? "\",\"C" : "\"C") + QByteArray::number(c);
    text += "\"\r\n";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            text += (c ? "," : "") + QByteArray::number(r * 0.5 + c) + "E-3";
        text += "\r\n";
    }
    return text;
}

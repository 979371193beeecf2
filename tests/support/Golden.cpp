#include "Golden.h"
#include "SampleFiles.h"
#include "TestPaths.h"
#include <QFile>
#include <gtest/gtest.h>

void ExpectGolden(const QString &name, const QByteArray &bytes)
{
    const QString path = QStringLiteral(SCOLIVET_SOURCE_DIR "/tests/") + name;
    if (qEnvironmentVariableIsSet("SCOLIVET_UPDATE_GOLDEN")) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
            << path.toStdString();
        return;
    }
    const QByteArray expected = ReadSampleFile(path);
    if (bytes == expected)
        return;
    qsizetype at = 0;
    while (at < bytes.size() && at < expected.size() && bytes[at] == expected[at])
        ++at;
    ADD_FAILURE() << path.toStdString() << ": " << bytes.size() << " bytes instead of "
                  << expected.size() << ", first difference at byte " << at << " (line "
                  << expected.left(at).count('\n') + 1 << ")";
}

#pragma once
// Whole-file comparisons with the reference outputs kept beside the tests.
#include <QByteArray>
#include <QString>

// Fails the test unless bytes equal tests/<name>. With SCOLIVET_UPDATE_GOLDEN
// set, writes bytes there instead (to renew a reference after a deliberate
// change, then read the difference before committing it).
void ExpectGolden(const QString &name, const QByteArray &bytes);

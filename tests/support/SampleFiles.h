#pragma once
// Small files for tests, written into a temporary folder the test owns.
#include <QByteArray>
#include <QString>

class QTemporaryDir;

// Writes bytes to dir/name and returns the path; fails the test if it cannot.
QString WriteSampleFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// The whole file, or nothing when it cannot be read.
QByteArray ReadSampleFile(const QString &path);

// A simulator graph export of `columns` analog columns named "C0", "C1", ...
// and `rows` data lines (value of row r, column c: (r / 2 + c) thousandths),
// CR LF line ends.
QByteArray IsisExportText(int columns, int rows = 3);

#pragma once
// File names as the system spells them. On Linux a name is any bytes, while
// Qt reads and writes every name as UTF-8: a byte that is not UTF-8 (an "é"
// in Windows-1252, from an old archive) would become U+FFFD and the name
// would reach another file, or none. Here each such byte b is held in the
// name as the lone surrogate U+DC00 + b, which no UTF-8 text decodes to, so
// that the name goes back to its own bytes. On Windows names are Qt's own.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QUrl;
class QVariant;

QString FileNameFromSystem(QByteArrayView bytes);
QByteArray SystemFileName(const QString &name);
// The same on every system: UTF-8, stray bytes kept (what a name is on Linux).
QString FileNameFromBytes(QByteArrayView bytes);
QByteArray FileNameBytes(const QString &name);
// Whether Qt's file classes reach the file of that name: none of its bytes
// is held as a surrogate.
bool QtSpellsFileName(const QString &name);

// The program's arguments as given, after the toolkit took its own out.
QStringList CommandLineArguments(int argc, char **argv);
// The local file a URL names (a drop's "file:" URL carries the bytes
// percent-encoded), or empty.
QString LocalFileOfUrl(const QUrl &url);
// Names kept in the settings: each as text when it is UTF-8, as its bytes
// otherwise; and back (a list of one reads back as that one alone).
QVariant FileNamesSetting(const QStringList &names);
QStringList FileNamesOfSetting(const QVariant &value);

// The names of the plain files of a folder, in name order, whatever their
// bytes (Qt's own listing leaves out names that are not UTF-8).
QStringList FileNamesInFolder(const QString &folder);

// The name from the root, a relative one taken from the current folder
// (which Qt spells in UTF-8 too).
QString AbsoluteFileName(const QString &name);

bool FileExists(const QString &name);
bool IsWritableFile(const QString &name);

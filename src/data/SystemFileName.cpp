#include "data/SystemFileName.h"
#include "data/DocumentReader.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#ifndef Q_OS_WIN
#include <climits>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

constexpr char16_t StrayBase = 0xDC00;

bool IsStrayByte(QStringView name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    const bool paired = i > 0 && name[i - 1].isHighSurrogate();
    return c >= StrayBase + 0x80 && c <= StrayBase + 0xFF && !paired;
}

} // namespace

QString FileNameFromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    auto p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto end = p + bytes.size();
    while (p != end) {
        const std::size_t n = *p < 0x80 ? 1 : Utf8SequenceLength(p, end);
        if (n == 0)
            name += QChar(char16_t(StrayBase + *p++));
        else
            name += QString::fromUtf8(reinterpret_cast<const char *>(p), qsizetype(n));
        p += n;
    }
    return name;
}

QByteArray FileNameBytes(const QString &name)
{
    QByteArray bytes;
    qsizetype run = 0; // start of the characters not yet converted
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsStrayByte(name, i))
            continue;
        bytes += QStringView(name).mid(run, i - run).toUtf8();
        bytes += char(name[i].unicode() - StrayBase);
        run = i + 1;
    }
    return bytes + QStringView(name).mid(run).toUtf8();
}

#ifdef Q_OS_WIN

QString FileNameFromSystem(QByteArrayView bytes)
{
    return QFile::decodeName(bytes.toByteArray());
}

QByteArray SystemFileName(const QString &name)
{
    return QFile::encodeName(name);
}

QStringList CommandLineArguments(int, char **)
{
    return QCoreApplication::arguments();
}

QString LocalFileOfUrl(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

QStringList FileNamesInFolder(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QString AbsoluteFileName(const QString &name)
{
    return QFileInfo(name).absoluteFilePath();
}

bool FileExists(const QString &name)
{
    return QFileInfo::exists(name);
}

bool IsWritableFile(const QString &name)
{
    return QFileInfo(name).isWritable();
}

#else

QString FileNameFromSystem(QByteArrayView bytes)
{
    return FileNameFromBytes(bytes);
}

QByteArray SystemFileName(const QString &name)
{
    return FileNameBytes(name);
}

QStringList CommandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileNameFromSystem(argv[i]);
    return arguments;
}

QString LocalFileOfUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    const QString path = url.path(QUrl::FullyEncoded);
    return FileNameFromSystem(QByteArray::fromPercentEncoding(path.toLatin1()));
}

QStringList FileNamesInFolder(const QString &folder)
{
    QStringList names;
    const QByteArray path = SystemFileName(folder) + '/';
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        struct stat info {};
        const QByteArray name(entry->d_name);
        if (::stat((path + name).constData(), &info) == 0 && S_ISREG(info.st_mode))
            names << FileNameFromSystem(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

QString AbsoluteFileName(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(name);
    char here[PATH_MAX];
    if (!::getcwd(here, sizeof here))
        return QFileInfo(name).absoluteFilePath();
    return QDir::cleanPath(FileNameFromSystem(here) + QLatin1Char('/') + name);
}

bool FileExists(const QString &name)
{
    struct stat info {};
    return ::stat(SystemFileName(name).constData(), &info) == 0;
}

bool IsWritableFile(const QString &name)
{
    return ::access(SystemFileName(name).constData(), W_OK) == 0;
}

#endif

bool QtSpellsFileName(const QString &name)
{
    return QFile::encodeName(name) == SystemFileName(name);
}

QVariant FileNamesSetting(const QStringList &names)
{
    QVariantList entries;
    for (const QString &name : names)
        entries << (QtSpellsFileName(name) ? QVariant(name) : QVariant(FileNameBytes(name)));
    return entries;
}

QStringList FileNamesOfSetting(const QVariant &value)
{
    const bool single =
        value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
    QStringList names;
    for (const QVariant &entry : single ? QVariantList{value} : value.toList())
        names << (entry.typeId() == QMetaType::QByteArray ? FileNameFromBytes(entry.toByteArray())
                                                          : entry.toString());
    return names;
}

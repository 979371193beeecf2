#include "app/ToolkitSetup.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

void PrepareRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir =
        QFile::encodeName(QDir::tempPath()) + "/runtime-" + QByteArray::number(::getuid());
    if (::mkdir(dir.constData(), 0700) != 0 && errno != EEXIST)
        return;
    // A folder of that name left by someone else is not used.
    struct stat info {};
    if (::lstat(dir.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 0777) != 0700)
        return;
    qputenv("XDG_RUNTIME_DIR", dir);
}

bool InstallFrenchToolkit(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

#include "app/HelpCommand.h"
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

QString HelpFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help/Scolivet.html");
}

void ShowHelp()
{
    const QString path = HelpFilePath();
    if (QFileInfo::exists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

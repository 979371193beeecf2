#include "app/HelpCommand.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

QString HelpFilePath()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString &dir : {programDir + QStringLiteral("/help"),
                               programDir + QStringLiteral("/" SCOLIVET_INSTALLED_HELP)}) {
        const QFileInfo page(dir + QStringLiteral("/Scolivet.html"));
        if (page.exists())
            return page.absoluteFilePath();
    }
    return {};
}

void ShowHelp(QWidget &owner)
{
    const QString path = HelpFilePath();
    if (path.isEmpty())
        return;
    auto *browser = owner.findChild<QTextBrowser *>(QStringLiteral("HelpWindow"));
    if (!browser) {
        browser = new QTextBrowser(&owner);
        browser->setObjectName(QStringLiteral("HelpWindow"));
        browser->setWindowFlag(Qt::Window);
        browser->setOpenExternalLinks(true);
        browser->resize(760, 600);
        browser->setSource(QUrl::fromLocalFile(path));
        browser->setWindowTitle(browser->documentTitle());
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
}

#include "app/HelpCommand.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
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

namespace
{

// 820 by 640 where the screen allows, and never beyond the screen whatever
// its scale: centred on the owner's screen with room left for the frame.
void FitOnScreen(QWidget &window, const QWidget &owner)
{
    const QScreen *screen = owner.screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    QRect placed(QPoint(), QSize(820, 640).boundedTo(free.size() * 0.9));
    placed.moveCenter(free.center());
    window.setGeometry(placed);
}

} // namespace

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
        FitOnScreen(*browser, owner);
        browser->setSource(QUrl::fromLocalFile(path));
        browser->setWindowTitle(browser->documentTitle());
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
}

#include "app/ActionIcons.h"
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

void InitAppResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace
{

QPixmap Render(QSvgRenderer &svg, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

} // namespace

QIcon ActionIcon(const QString &name)
{
    return ResourceIcon(QStringLiteral(":/icons/%1.svg").arg(name), {16, 24, 32});
}

QIcon ResourceIcon(const QString &path, std::initializer_list<int> sides)
{
    InitAppResources();
    if (!QFile::exists(path))
        return {};
    QSvgRenderer svg(path);
    QIcon icon;
    for (int side : sides)
        icon.addPixmap(Render(svg, QSize(side, side)));
    return icon;
}

QPixmap ResourcePicture(const QString &path)
{
    InitAppResources();
    QSvgRenderer svg(path);
    if (!svg.isValid())
        return {};
    return Render(svg, svg.defaultSize());
}

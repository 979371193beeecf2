#include "page/PointerShapes.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>

// The shapes live in the page library's resources; a static library must
// register them itself.
static void initCursorResources()
{
    Q_INIT_RESOURCE(cursors);
}

namespace
{

constexpr std::array<const char *, 13> kNames = {
    "CRSHMARKER", "CRSVMARKER", "CRSCOURBE",  "CRSINTERSECTION", "CRSPAGE",
    "CRSGRAPHE",  "CRSTEXTE",   "CRSLEGENDE", "CRSDELETEGRAPH",  "CRSLINE",
    "CRSRECTA",   "CRSCIRCLE",  "CRSARROW"};

// Every image draws a pointer arrow whose tip is the hot spot.
constexpr int kSize = 32;
constexpr int kHotX = 1;
constexpr int kHotY = 1;

QCursor loadShape(const char *name)
{
    initCursorResources();
    QSvgRenderer svg(QStringLiteral(":/cursors/%1.svg").arg(QLatin1String(name)));
    if (!svg.isValid())
        return QCursor(Qt::ArrowCursor);
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return QCursor(QPixmap::fromImage(image), kHotX, kHotY);
}

} // namespace

const char *PointerShapeName(int number)
{
    if (number < crHMarker || number > crArrow)
        return "";
    return kNames[std::size_t(number - crHMarker)];
}

QCursor PointerShape(int number)
{
    switch (number) {
    case crHandPoint:
        return QCursor(Qt::PointingHandCursor);
    case crSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    default:
        break;
    }
    if (number < crHMarker || number > crArrow)
        return QCursor(Qt::ArrowCursor);
    // Registered once, on first use, like the page's cursor table.
    static QHash<int, QCursor> shapes;
    auto it = shapes.find(number);
    if (it == shapes.end())
        it = shapes.insert(number, loadShape(PointerShapeName(number)));
    return *it;
}

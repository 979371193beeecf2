#include "render/PageExport.h"
#include "render/PagePicture.h"
#include "render/PictureReplay.h"
#include "render/QtColor.h"
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace
{

// Beyond this a PNG would need gigabytes of memory: refuse it plainly.
constexpr qint64 maxPngPixels = qint64(1) << 28;

QString cannotWrite(const QString &fileName)
{
    return QStringLiteral("Impossible d'écrire le fichier « %1 ».")
        .arg(QFileInfo(fileName).absoluteFilePath());
}

bool paintPage(QPaintDevice &device, const PagePicture &picture, TColor backColor)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page(0, 0, picture.MFWidth(), picture.MFHeight());
    painter.fillRect(page, ToQColor(backColor));
    ReplayPicture(painter, picture, page);
    return painter.end();
}

bool writeSvg(QIODevice &out, const PagePicture &picture, TColor backColor)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setResolution(96);
    svg.setSize(QSize(picture.MFWidth(), picture.MFHeight()));
    svg.setViewBox(QRect(0, 0, picture.MFWidth(), picture.MFHeight()));
    svg.setTitle(QStringLiteral("Scolivet"));
    return paintPage(svg, picture, backColor);
}

} // namespace

QString ExportPagePicture(const PagePicture &picture, const QString &fileName, TColor backColor)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        return QStringLiteral("Format d'exportation non reconnu : « %1 ». "
                              "Les extensions possibles sont .svg et .png.")
            .arg(QFileInfo(fileName).fileName());
    if (picture.MFWidth() <= 0 || picture.MFHeight() <= 0)
        return QStringLiteral("La page est vide : rien à exporter.");

    QImage image;
    if (suffix == QLatin1String("png")) {
        if (qint64(picture.MFWidth()) * picture.MFHeight() > maxPngPixels)
            return QStringLiteral("La page (%1 × %2 points) est trop grande pour une image PNG.")
                .arg(picture.MFWidth())
                .arg(picture.MFHeight());
        image = QImage(picture.MFWidth(), picture.MFHeight(), QImage::Format_RGB32);
        if (image.isNull() || !paintPage(image, picture, backColor))
            return QStringLiteral("Mémoire insuffisante pour l'image de la page.");
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(fileName);
    const bool written =
        image.isNull() ? writeSvg(file, picture, backColor) : image.save(&file, "PNG");
    if (!written) {
        file.cancelWriting();
        return cannotWrite(fileName);
    }
    if (!file.commit())
        return cannotWrite(fileName);
    return {};
}

#include "render/PageExport.h"
#include "render/EmfWriter.h"
#include "render/FileSave.h"
#include "render/PagePicture.h"
#include "render/PictureReplay.h"
#include "render/QtColor.h"
#include "render/SvgPasses.h"
#include "render/WmfWriter.h"
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

namespace
{

// Beyond this a PNG would need gigabytes of memory: refuse it plainly.
constexpr qint64 maxPngPixels = qint64(1) << 28;

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

// A page of the picture's size at 96 dpi, without margins.
bool writePdf(QIODevice &out, const PagePicture &picture, TColor backColor)
{
    QPdfWriter pdf(&out);
    pdf.setCreator(QStringLiteral("Scolivet"));
    pdf.setResolution(96);
    const QSizeF points(picture.MFWidth() * 72.0 / 96.0, picture.MFHeight() * 72.0 / 96.0);
    if (!pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch)) ||
        !pdf.setPageMargins(QMarginsF()))
        return false;
    return paintPage(pdf, picture, backColor);
}

QString emptyPage()
{
    return QStringLiteral("La page est vide : rien à exporter.");
}

// The PNG file's bytes, or the reason there are none.
QString pngBytes(const PagePicture &picture, TColor backColor, QIODevice &out)
{
    if (qint64(picture.MFWidth()) * picture.MFHeight() > maxPngPixels)
        return QStringLiteral("La page (%1 × %2 points) est trop grande pour une image PNG.")
            .arg(picture.MFWidth())
            .arg(picture.MFHeight());
    const QImage image = PageImage(picture, backColor);
    if (image.isNull() || !image.save(&out, "PNG"))
        return QStringLiteral("Mémoire insuffisante pour l'image de la page.");
    return {};
}

} // namespace

bool WritePageSvg(QIODevice &out, const PagePicture &picture, TColor backColor, int recordsPerPass)
{
    const QSize page(picture.MFWidth(), picture.MFHeight());
    SvgPasses passes(out, page, backColor);
    QPainter painter;
    const TReplayDevices devices{
        recordsPerPass, [&passes](QPainter &p) { return passes.End(p, false) && passes.Begin(p); }};
    return passes.Begin(painter) &&
           ReplayPictureOnDevices(painter, picture, QRect(QPoint(0, 0), page), devices) &&
           passes.End(painter, true);
}

QImage PageImage(const PagePicture &picture, TColor backColor)
{
    if (picture.MFWidth() <= 0 || picture.MFHeight() <= 0 ||
        qint64(picture.MFWidth()) * picture.MFHeight() > maxPngPixels)
        return {};
    QImage image(picture.MFWidth(), picture.MFHeight(), QImage::Format_RGB32);
    if (image.isNull() || !paintPage(image, picture, backColor))
        return {};
    return image;
}

QString ExportMetafile(const PagePicture &picture, const QString &fileName,
                       const QStringList &inputs)
{
    if (picture.MFWidth() <= 0 || picture.MFHeight() <= 0)
        return emptyPage();
    const bool wmf = fileName.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive);
    return SaveFileAtomically(fileName, wmf ? WritePlaceableWmf(picture) : WriteEmf(picture),
                              inputs);
}

QString ExportPagePicture(const PagePicture &picture, const QString &fileName, TColor backColor,
                          const QStringList &inputs)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("emf") || suffix == QLatin1String("wmf"))
        return ExportMetafile(picture, fileName, inputs);
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png") &&
        suffix != QLatin1String("pdf"))
        return QStringLiteral("Format d'exportation non reconnu : « %1 ». "
                              "Les extensions possibles sont .svg, .png, .emf, .wmf et .pdf.")
            .arg(QFileInfo(fileName).fileName());
    if (picture.MFWidth() <= 0 || picture.MFHeight() <= 0)
        return emptyPage();

    // The whole file is made in memory first, so that writing it is one step
    // that either completes or leaves the target alone.
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        if (QString error = pngBytes(picture, backColor, out); !error.isEmpty())
            return error;
    } else if (suffix == QLatin1String("pdf") ? !writePdf(out, picture, backColor)
                                              : !WritePageSvg(out, picture, backColor)) {
        return QStringLiteral("Mémoire insuffisante pour l'image de la page.");
    }
    return SaveFileAtomically(fileName, bytes, inputs);
}

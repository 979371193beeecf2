#include "render/PictureClipboard.h"
#include "render/EmfWriter.h"
#include "render/PageExport.h"
#include <QBuffer>
#include <QMimeData>

QStringList EmfClipboardFormats()
{
    return {QStringLiteral("application/x-openoffice-emf;windows_formatname=\"Image EMF\""),
            QStringLiteral("image/x-emf"), QStringLiteral("image/emf"),
            QStringLiteral("application/x-qt-windows-mime;value=\"Enhanced Metafile\"")};
}

QMimeData *PictureMimeData(const PagePicture &picture, TColor backColor)
{
    auto *data = new QMimeData;
    const QByteArray emf = WriteEmf(picture);
    for (const QString &format : EmfClipboardFormats())
        data->setData(format, emf);
    QBuffer svg;
    if (svg.open(QIODevice::WriteOnly) && WritePageSvg(svg, picture, backColor))
        data->setData(QStringLiteral("image/svg+xml"), svg.data());
    const QImage image = PageImage(picture, backColor);
    if (!image.isNull())
        data->setImageData(image);
    return data;
}

#include "render/PictureClipboard.h"
#include "render/EmfWriter.h"
#include "render/RecordingCanvas.h"
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>
#include <memory>

namespace
{

TEST(PictureClipboard, OffersTheEmfUnderEachNameThenSvgAndAnImageUnlessTooLarge)
{
    PagePicture picture(300, 200);
    RecordingCanvas(picture).Rectangle(10, 10, 50, 50);
    const std::unique_ptr<QMimeData> data(PictureMimeData(picture, clWhite));
    for (const QString &format : EmfClipboardFormats())
        EXPECT_EQ(data->data(format), WriteEmf(picture)) << format.toStdString();
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(300, 200));

    picture.Reset(100000, 100000);
    const std::unique_ptr<QMimeData> huge(PictureMimeData(picture, clWhite));
    EXPECT_FALSE(huge->hasImage());
    EXPECT_TRUE(huge->data(EmfClipboardFormats().front()).startsWith(QByteArray("\x01\0\0\0", 4)));
}

} // namespace

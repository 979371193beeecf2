// The page's pointer shapes: each number has its own recognisable image.
#include "page/PointerShapes.h"

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <gtest/gtest.h>

namespace
{

TEST(PointerShapes, ThirteenOwnImagesUnderTheirNumbers)
{
    QSet<QByteArray> images;
    for (int number = 20; number <= 32; ++number) {
        const QCursor cursor = PointerShape(number);
        const char *name = PointerShapeName(number);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1)) << name;
        const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(32, 32)) << name;
        // The arrow tip sits on the hot spot, the symbol lower right.
        EXPECT_GT(qAlpha(img.pixel(1, 1)), 128) << name;
        int symbol = 0;
        for (int y = 12; y < 32; ++y)
            for (int x = 13; x < 32; ++x)
                symbol += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(symbol, 15) << name;
        images.insert(
            QByteArray(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes()));
    }
    EXPECT_EQ(images.size(), 13);
}

TEST(PointerShapes, StandardAndUnknownNumbers)
{
    EXPECT_EQ(PointerShape(crHandPoint).shape(), Qt::PointingHandCursor);
    for (int n : {19, 33})
        EXPECT_EQ(PointerShape(n).shape(), Qt::ArrowCursor) << n;
}

} // namespace

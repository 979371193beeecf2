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
    const struct {
        int number;
        const char *name;
    } table[] = {
        {20, "CRSHMARKER"},     {21, "CRSVMARKER"}, {22, "CRSCOURBE"}, {23, "CRSINTERSECTION"},
        {24, "CRSPAGE"},        {25, "CRSGRAPHE"},  {26, "CRSTEXTE"},  {27, "CRSLEGENDE"},
        {28, "CRSDELETEGRAPH"}, {29, "CRSLINE"},    {30, "CRSRECTA"},  {31, "CRSCIRCLE"},
        {32, "CRSARROW"},
    };
    QSet<QByteArray> images;
    for (const auto &row : table) {
        EXPECT_STREQ(PointerShapeName(row.number), row.name);
        const QCursor cursor = PointerShape(row.number);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << row.name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1)) << row.name;
        const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(32, 32)) << row.name;
        // The arrow tip sits on the hot spot, the symbol lower right.
        EXPECT_GT(qAlpha(img.pixel(1, 1)), 128) << row.name;
        int symbol = 0;
        for (int y = 12; y < 32; ++y)
            for (int x = 13; x < 32; ++x)
                symbol += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(symbol, 15) << row.name;
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

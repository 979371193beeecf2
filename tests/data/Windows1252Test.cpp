#include "data/Windows1252.h"
#include <gtest/gtest.h>

namespace
{

TEST(Windows1252, EveryByteComesBackAndOtherCharactersBecomeOneQuestionMark)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(char(b));
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), QByteArray(all.data(), 256));
    EXPECT_EQ(ToWindows1252(QStringLiteral("€ kΩ 𝛼")), QByteArray("\x80 k? ?"));
}

} // namespace

#include "app/FontNames.h"
#include <gtest/gtest.h>

namespace
{

TEST(FontNames, FoundryTagsGoAndEachFamilyComesOnce)
{
    const QStringList families{"Arial",       "C059 [UKWN]", "C059 [urw]",   "DejaVu Sans",
                               "Noto [x] Sans", "Odd [",     "[urw]",        "DejaVu Sans"};
    const QStringList expected{"Arial", "C059", "DejaVu Sans", "Noto [x] Sans", "Odd [", "[urw]"};
    EXPECT_EQ(FontFamilyNames(families), expected);
}

} // namespace

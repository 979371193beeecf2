#include "render/SvgFontFamilies.h"
#include <gtest/gtest.h>

namespace
{

TEST(SvgFontFamilies, EachFamilyIsFollowedByTheGenericOneItResembles)
{
    const struct {
        const char *family, *generic;
    } cases[] = {
        {"Times New Roman", "serif"},      {"Liberation Serif", "serif"}, {"C059", "serif"},
        {"Liberation Sans", "sans-serif"}, {"Arial", "sans-serif"},       {"Sans Serif", "sans-serif"},
        {"DejaVu Sans Mono", "monospace"}, {"Courier New", "monospace"},  {"Sansation", "serif"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GenericFontFamily(QString::fromUtf8(c.family)), QString::fromUtf8(c.generic))
            << c.family;

    EXPECT_EQ(WithGenericFontFamilies("<g font-family=\"Arial\"><text font-family=\"C059\">é</text>"
                                      "</g><text font-family=\"x"),
              QByteArray("<g font-family=\"Arial, sans-serif\"><text font-family=\"C059, serif\">"
                         "é</text></g><text font-family=\"x"));
}

} // namespace

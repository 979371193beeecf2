#include "dialogs/Prompts.h"
#include <gtest/gtest.h>

namespace
{

TEST(Prompts, FileFiltersBecomeQtFilters)
{
    const struct {
        const char *filter;
        const char *expected;
    } cases[] = {
        {"Graphe Isis (*.dat)|*.dat", "Graphe Isis (*.dat)"},
        {"Images|*.png;*.svg", "Images (*.png *.svg)"},
        {"Texte (*.txt)|*.txt|Tout|*.*", "Texte (*.txt);;Tout (*.*)"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QtFileFilter(QString::fromUtf8(c.filter)), QString::fromUtf8(c.expected))
            << c.filter;
}

} // namespace

#include "support/ScriptedPrompts.h"
#include "dialogs/ColorSwatch.h"
#include <QTest>
#include <gtest/gtest.h>

namespace
{

TEST(ColorSwatch, TakesTheChosenColourOnlyWhenAccepted)
{
    ScriptedPrompts scripted;
    scripted.Colors = {std::nullopt, clRed};
    TColorSwatch swatch;
    swatch.SetColor(clBlue);
    std::vector<TColor> chosen;
    QObject::connect(&swatch, &TColorSwatch::ColorChosen, [&](TColor c) { chosen.push_back(c); });
    swatch.resize(40, 20);
    QTest::mouseClick(&swatch, Qt::LeftButton);
    EXPECT_EQ(swatch.Color(), clBlue);
    QTest::mouseClick(&swatch, Qt::LeftButton);
    EXPECT_EQ(swatch.Color(), clRed);
    EXPECT_EQ(chosen, std::vector<TColor>{clRed});
    EXPECT_EQ(scripted.ColorPresets, (std::vector<TColor>{clBlue, clBlue}));
}

} // namespace

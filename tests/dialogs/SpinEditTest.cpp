#include "dialogs/SpinEdit.h"
#include <QLineEdit>
#include <gtest/gtest.h>

namespace
{

struct SpinCase {
    int min, max;
    const char *typed;
    int read;
};

class SpinEditTest : public ::testing::TestWithParam<SpinCase>
{
};

TEST_P(SpinEditTest, ReadsTypedTextWithinItsLimits)
{
    const SpinCase &c = GetParam();
    TSpinEdit spin;
    spin.SetLimits(c.min, c.max);
    spin.findChild<QLineEdit *>()->setText(QString::fromUtf8(c.typed));
    EXPECT_EQ(spin.Value(), c.read);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpinEditTest,
                         ::testing::Values(SpinCase{1, 30, "12", 12}, SpinCase{1, 30, "45", 30},
                                           SpinCase{1, 30, "-3", 1}, SpinCase{1, 30, "abc", 1},
                                           SpinCase{5, -5, "9", 5}, SpinCase{0, 0, "-70000", -70000},
                                           SpinCase{7, 7, "123456789", 123456789},
                                           SpinCase{0, 0, "", 0}, SpinCase{3, 3, "1,5", 0}));

TEST(SpinEdit, ShowsValuesClampedToItsLimits)
{
    TSpinEdit spin;
    spin.SetLimits(-200, 200);
    spin.SetValue(350);
    EXPECT_EQ(spin.Value(), 200);
    spin.SetLimits(0, 0);
    spin.SetValue(350);
    EXPECT_EQ(spin.Value(), 350);
}

} // namespace

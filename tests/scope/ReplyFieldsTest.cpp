#include "data/TChannelData.h"
#include "scope/ReplyFields.h"
#include <gtest/gtest.h>

namespace
{

const QString shown = QStringLiteral(
    "1;8;BIN;RP;MSB;2500;\"Ch1, DC coupling, 2.0E0 V/div, 2500 points\";Y;4.0E-6;12;-1.0E-3;"
    "\"s\";%1;0.0E0;-2.5E1;\"%2\"");

} // namespace

TEST(ReplyFields, IdentityGivesModelAndFirmware)
{
    struct Case {
        const char *reply;
        bool understood;
        const char *model;
        double firmware; // -1: none given
    };
    const Case cases[] = {
        {"ID TEK/TDS 224,CF:91.1CT,FV:v2.03 TDS2CM:CMV:v1.04", true, "TDS 224", 2.03},
        {"ID TEK/TDS 220,CF:91.1CT", true, "TDS 220", -1},
        {"ID SONY/TDS 224,FV:v2.03", false, "", -1},
    };
    for (const Case &c : cases) {
        TIdentity id;
        EXPECT_EQ(ParseIdentity(QString::fromLatin1(c.reply), id), c.understood) << c.reply;
        EXPECT_EQ(std::tuple(id.Model, id.HasFirmware, id.HasFirmware ? id.Firmware : -1),
                  std::tuple(QString::fromLatin1(c.model), c.firmware >= 0, c.firmware))
            << c.reply;
    }
}

TEST(ReplyFields, DisplayedPreambleFillsTheRecordAndTheTimeBase)
{
    for (const double firmware : {1.16, 2.03}) {
        TChannelData r, timeBase;
        ASSERT_TRUE(ReadPreamble(shown.arg("0.0E0", "U"), firmware, r, timeBase));
        EXPECT_EQ(std::tuple(r.NrPt, r.WfId, r.YMult, r.YUnit, r.YOff),
                  std::tuple(2500, QStringLiteral("Ch1, DC coupling, 2.0E0 V/div, 2500 points"),
                             1.0, QStringLiteral("Undefine"), -25.0));
        EXPECT_EQ(std::tuple(timeBase.Present, timeBase.PtOff, timeBase.XZero, timeBase.XUnit),
                  std::tuple(true, 12, -1.0e-3, QStringLiteral("s")));
    }
}

TEST(ReplyFields, HiddenSourceFollowsTheFirmwareRuleForThePointCount)
{
    TChannelData r, timeBase;
    EXPECT_FALSE(ReadPreamble(QStringLiteral("1;8;BIN;RP;MSB;2000"), 1.16, r, timeBase));
    EXPECT_EQ(r.NrPt, 2000);
    r = {};
    EXPECT_FALSE(ReadPreamble(QStringLiteral("1;8;BIN;RP;MSB"), 2.03, r, timeBase));
    EXPECT_EQ(r.NrPt, 0);
    EXPECT_FALSE(timeBase.Present);
    // The old rule on a new instrument's reply is caught, not misread.
    EXPECT_THROW(ReadPreamble(QStringLiteral("1;8;BIN;RP;MSB"), 1.16, r, timeBase), ETDSError);
}

TEST(ReplyFields, UnusableFieldsGiveAFrenchReason)
{
    const QString cases[][2] = {
        {shown.arg("abc", "Volts"), "'abc' n'est pas une valeur en virgule flottante correcte"},
        {QStringLiteral("1;8;BIN;RP;MSB;5000;\"x\""), "5000 points"},
        {QStringLiteral("1;8;BIN;RP;MSB;-1;\"x\""), "-1 points"},
        {QStringLiteral("one;8;BIN;RP;MSB"), "'one' n'est pas une valeur entière correcte"},
    };
    for (const auto &[reply, reason] : cases) {
        TChannelData r, timeBase;
        try {
            ReadPreamble(reply, 2.03, r, timeBase);
            ADD_FAILURE() << reply.toStdString();
        } catch (const ETDSError &e) {
            EXPECT_TRUE(e.Message().contains(reason)) << e.Message().toStdString();
        }
    }
}

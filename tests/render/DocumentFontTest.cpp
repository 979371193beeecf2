// Fonts as document lines.
#include "render/DocumentFont.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/EConvertError.h"
#include <gtest/gtest.h>

namespace
{

TEST(DocumentFont, StylesFollowTheSizeInTheirOrderAndReadBack)
{
    const std::pair<TFont, const char *> cases[] = {
        {TFont{QStringLiteral("Arial"), 12, true, true}, "Arial;12;fsBold;fsItalic"},
        {TFont{QStringLiteral("Arial"), 12}, "Arial;12;"},
        {TFont{QStringLiteral("Times New Roman"), 30, false, true, true, true},
         "Times New Roman;30;fsItalic;fsUnderline;fsStrikeOut"},
    };
    for (const auto &[font, line] : cases) {
        const QByteArray bytes = DocumentBytes([&](DocumentWriter &out) { WriteFont(out, font); });
        EXPECT_EQ(bytes, QByteArray(line) + "\r\n");
        DocumentReader in(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        TFont read{QStringLiteral("x"), 1, true, true, true, true, clRed};
        ReadFont(in, read);
        TFont expected = font;
        expected.Color = clRed; // the colour is not stored
        EXPECT_EQ(read, expected) << line;
    }
}

TEST(DocumentFont, UnknownPiecesAreIgnoredAndAMissingSizeIsAnError)
{
    DocumentReader in("Arial;9;fsGras;fsUnderline\nArial\n");
    TFont font;
    ReadFont(in, font);
    EXPECT_EQ(font, (TFont{QStringLiteral("Arial"), 9, false, false, true}));
    EXPECT_THROW(ReadFont(in, font), EConvertError);
}

} // namespace

#include "app/About.h"
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace
{

class AboutBoxTest : public testing::Test
{
protected:
    QLabel *Label(const char *name) const
    {
        auto *label = box.findChild<QLabel *>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label;
    }

    TAboutBox box;
};

TEST_F(AboutBoxTest, FixedCaptionedDialogClosedByItsOkButtonOnly)
{
    EXPECT_EQ(box.windowTitle(), QStringLiteral("A propos de Scolivet"));
    EXPECT_EQ(box.minimumSize(), QSize(327, 179));
    EXPECT_EQ(box.maximumSize(), QSize(327, 179));
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                                      Qt::WindowContextHelpButtonHint));
    auto *ok = box.findChild<QPushButton *>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    QSignalSpy accepted(&box, &QDialog::accepted);
    ok->click();
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(AboutBoxTest, TextsAreShownAndReadableInFull)
{
    EXPECT_EQ(Label("ProductName")->text(), QStringLiteral("Scolivet"));
    const QStringList lines = TAboutBox::Acknowledgements();
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        QLabel *line = Label(QByteArray("Merci" + QByteArray::number(i + 1)).constData());
        EXPECT_EQ(line->text(), lines[i]);
        EXPECT_LE(line->x() + line->sizeHint().width(), box.width());
    }
}

} // namespace

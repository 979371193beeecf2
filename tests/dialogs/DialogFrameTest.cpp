#include "support/ScriptedPrompts.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/DialogFrame.h"
#include "dialogs/NumberCheck.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace
{

const std::array<TControlRow, 2> firstRows{{
    {TControlKind::Edit, "EX", "X :", "Label1"},
    {TControlKind::Color, "PColor", "Couleur :"},
}};
const std::array<TControlRow, 1> secondRows{{{TControlKind::Check, "CBRemplissage", "Remplir"}}};

// A frame that refuses to close while its field holds no number.
class CheckedFrame : public TDialogFrame
{
public:
    CheckedFrame() : TDialogFrame("TestDlg", QStringLiteral("Essai"))
    {
        AddTab("TSRef", QStringLiteral("Référence"), firstRows);
        AddTab("TSAspect", QStringLiteral("Aspect"), secondRows);
    }

protected:
    bool CanClose() override { return CheckEngNumber(Control<QLineEdit>("EX")); }
};

TEST(DialogFrame, MalformedNumberKeepsEveryCloseAwayAndShowsItsField)
{
    ScriptedPrompts scripted;
    CheckedFrame dialog;
    int closings = 0;
    QObject::connect(&dialog, &QDialog::finished, [&] { ++closings; });
    dialog.show();
    dialog.PageControl().setCurrentIndex(1);
    auto &edit = dialog.Control<QLineEdit>("EX");
    edit.setText(QStringLiteral("1,2,3"));

    dialog.Control<QPushButton>("BAnnuler").click();
    dialog.close();
    EXPECT_EQ(closings, 0);
    EXPECT_EQ(dialog.PageControl().currentIndex(), 0);
    EXPECT_EQ(dialog.focusWidget(), &edit);
    EXPECT_EQ(scripted.MessageTexts(),
              QStringList(2, QStringLiteral("Format de nombre incorrect.")));
    EXPECT_EQ(scripted.Messages.back().buttons, QMessageBox::Ok);

    edit.setText(QStringLiteral("1,5k"));
    dialog.Control<QPushButton>("BOK").click();
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

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

// The property dialogs of the annotations, run through scripted prompts.
#include "AnnotationFixture.h"
#include "annotations/Marker.h"
#include "annotations/TArrow.h"
#include "annotations/TCircle.h"
#include "annotations/TLegende.h"
#include "annotations/TLine.h"
#include "annotations/TTexte.h"
#include "data/EngNumbers.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include "support/ScriptedPrompts.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

namespace
{

template <class T> T &Get(QDialog &d, const char *name)
{
    T *control = d.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return *control;
}

QLineEdit &Edit(QDialog &d, const char *name)
{
    return Get<QLineEdit>(d, name);
}

TSpinEdit &Spin(QDialog &d, const char *name)
{
    return Get<TSpinEdit>(d, name);
}

// Presses a button; the dialog's result once it has closed, -1 while it stays open.
int Press(QDialog &d, const char *button)
{
    Get<QPushButton>(d, button).click();
    return d.isVisible() ? -1 : d.result();
}

class AnnotationEditTest : public AnnotationFixture
{
protected:
    // Runs e's dialog with one script.
    void EditWith(TDessin &e, std::function<int(QDialog &)> script)
    {
        prompts.Dialogs.push_back(std::move(script));
        e.Edit();
        EXPECT_TRUE(prompts.Dialogs.empty());
    }
    TTexte &NewText(int dx, int dy)
    {
        auto *t = Add(new TTexte(graph));
        t->Texte = QStringLiteral("Vs");
        t->DX = dx;
        t->DY = dy;
        return *t;
    }

    ScriptedPrompts prompts;
};

TEST_F(AnnotationEditTest, TextDialogAppliesReferenceTextColourAndFontOnlyOnOk)
{
    TTexte &t = NewText(120, 40);
    TFont chosen{QStringLiteral("Liberation Sans"), 14, true};
    prompts.Fonts = {chosen};
    prompts.Colors = {clGreen};
    const auto fill = [&](QDialog &d) {
        EXPECT_EQ(Edit(d, "ETexte").text(), QStringLiteral("Vs"));
        Edit(d, "ETexte").setText(QStringLiteral("Ve"));
        Get<QCheckBox>(d, "CBLockXY").setChecked(true);
        Edit(d, "EX").setText(QStringLiteral("1,5k"));
        Edit(d, "EY").setText(QStringLiteral("-250m"));
        Get<QPushButton>(d, "BFont").click();
        Get<TColorSwatch>(d, "PColor").Choose();
    };
    EditWith(t, [&](QDialog &d) {
        fill(d);
        Get<QTabWidget>(d, "PageControl1").setCurrentIndex(1);
        return Press(d, "BAnnuler");
    });
    EXPECT_EQ(std::tuple(t.Texte, t.LockXY), std::tuple("Vs", false));

    prompts.Fonts = {chosen};
    prompts.Colors = {clGreen};
    EditWith(t, [&](QDialog &d) {
        EXPECT_EQ(Get<QTabWidget>(d, "PageControl1").currentIndex(), 1); // the dialog is kept
        fill(d);
        return Press(d, "BOK");
    });
    chosen.Color = clGreen;
    EXPECT_EQ(std::tuple(t.Texte, t.LockXY, t.RefX, t.RefY, t.Font),
              std::tuple("Ve", true, 1500.0, -0.25, chosen));
}

TEST_F(AnnotationEditTest, MalformedReferenceNumberRefusesAnnulerAndModeSwitch)
{
    TTexte &t = NewText(120, 40);
    t.LockXY = true;
    EditWith(t, [&](QDialog &d) {
        auto &pages = Get<QTabWidget>(d, "PageControl1");
        pages.setCurrentIndex(0);
        Edit(d, "EX").setText(QStringLiteral("abc"));
        auto &lock = Get<QCheckBox>(d, "CBLockXY");
        lock.click();
        EXPECT_TRUE(lock.isChecked());
        EXPECT_TRUE(Edit(d, "EX").isVisible());
        EXPECT_EQ(pages.currentWidget()->objectName(), QStringLiteral("TSRef"));
        EXPECT_EQ(d.focusWidget(), &Edit(d, "EX"));
        EXPECT_EQ(Press(d, "BAnnuler"), -1);
        d.close();
        EXPECT_TRUE(d.isVisible());
        Edit(d, "EX").setText(QStringLiteral("2"));
        return Press(d, "BAnnuler");
    });
    EXPECT_EQ(prompts.MessageTexts(),
              QStringList(3, QStringLiteral("Format de nombre incorrect.")));
    EXPECT_EQ(prompts.Messages.back().buttons, QMessageBox::Ok);
    EXPECT_EQ(t.RefX, 0);
}

TEST_F(AnnotationEditTest, SwitchingModesKeepsTheAnchorInPlace)
{
    TTexte &t = NewText(120, 40);
    EditWith(t, [&](QDialog &d) {
        auto &lock = Get<QCheckBox>(d, "CBLockXY");
        lock.click();
        EXPECT_NEAR(ParseEng(Edit(d, "EX").text()), graph->PageToX(graph->Left + 120), 1e-3);
        return Press(d, "BOK");
    });
    EXPECT_TRUE(t.LockXY);
    EXPECT_NEAR(t.GetX(), graph->Left + 120, 1);
    EXPECT_NEAR(t.GetY(), graph->Top + graph->Height() - 40, 1);

    EditWith(t, [&](QDialog &d) {
        Get<QCheckBox>(d, "CBLockXY").click();
        EXPECT_NEAR(Spin(d, "SEXDec").Value(), 120, 1);
        EXPECT_NEAR(Spin(d, "SEYDec").Value(), 40, 1);
        return Press(d, "BOK");
    });
    EXPECT_FALSE(t.LockXY);
}

struct FigureCase {
    std::function<TDessin *(TAxe *)> make;
    int factor; // 2: the dialog shows diameters
};

TEST_F(AnnotationEditTest, FigureDialogsShowTheHeightUpwardAndCircleDiameters)
{
    const FigureCase cases[] = {
        {[](TAxe *g) { return new TLine(g); }, 1},
        {[](TAxe *g) { return new TCircle(g); }, 2},
    };
    for (const FigureCase &c : cases) {
        TDessin &f = *Add(c.make(graph));
        f.Largeur = 30;
        f.Hauteur = -20;
        EditWith(f, [&](QDialog &d) {
            SCOPED_TRACE(d.objectName().toStdString());
            EXPECT_EQ(Spin(d, "SELargeur").Value(), 30 * c.factor);
            EXPECT_EQ(Spin(d, "SEHauteur").Value(), 20 * c.factor);
            Spin(d, "SELargeur").SetValue(101);
            Spin(d, "SEHauteur").SetValue(-7);
            Spin(d, "SEEpais").SetValue(45);
            return Press(d, "BOK");
        });
        EXPECT_EQ(std::tuple(f.Largeur, f.Hauteur, f.Epais),
                  std::tuple(101 / c.factor, 7 / c.factor, 30));
    }
}

TEST_F(AnnotationEditTest, ArrowAndFillFieldsFollowTheirDialogs)
{
    auto &arrow = *Add(new TArrow(graph));
    EditWith(arrow, [&](QDialog &d) {
        Spin(d, "SEHA").SetValue(75);
        Get<QCheckBox>(d, "CBDouble").setChecked(true);
        return Press(d, "BOK");
    });
    EXPECT_EQ(std::tuple(arrow.ArrowSize, arrow.DoubleArrow), std::tuple(75, true));

    auto &circle = *Add(new TCircle(graph));
    EditWith(circle, [&](QDialog &d) {
        Get<QCheckBox>(d, "CBRemplissage").setChecked(true);
        return Press(d, "BOK");
    });
    EXPECT_TRUE(circle.Remplissage);
}

TEST_F(AnnotationEditTest, MarkersEditOnlyTheirMarkedValue)
{
    auto &h = *Add(new THMarker(graph));
    auto &v = *Add(new TVMarker(graph));
    h.RefY = 0.5;
    v.RefX = 2;
    EditWith(h, [&](QDialog &d) {
        EXPECT_FALSE(Edit(d, "EX").isVisible());
        EXPECT_FALSE(Get<QCheckBox>(d, "CBLockXY").isVisible());
        EXPECT_EQ(Edit(d, "EY").text(), QStringLiteral("500m"));
        Edit(d, "EY").setText(QStringLiteral("-250m"));
        Edit(d, "EX").setText(QStringLiteral("7"));
        return Press(d, "BOK");
    });
    EXPECT_EQ(std::tuple(h.RefX, h.RefY), std::tuple(0.0, -0.25));
    EditWith(v, [&](QDialog &d) {
        EXPECT_FALSE(Edit(d, "EY").isVisible());
        Edit(d, "EX").setText(QStringLiteral("7"));
        return Press(d, "BOK");
    });
    EXPECT_EQ(v.RefX, 7);
}

TEST_F(AnnotationEditTest, LegendDialogKeepsItsOffsetsWithinTheGraph)
{
    const int serie = AddAnalog({0, 1}, QStringLiteral("Vs"), clBlue, QStringLiteral("V"));
    auto &legend = *Add(new TLegende(graph, serie));
    EditWith(legend, [&](QDialog &d) {
        EXPECT_EQ(Edit(d, "ENom").text(), QStringLiteral("Vs"));
        Edit(d, "EUnite").setText(QStringLiteral("mV"));
        Spin(d, "SEXDec").SetValue(graph->Width() + 500);
        Spin(d, "SEYDec").SetValue(-40);
        return Press(d, "BOK");
    });
    EXPECT_EQ(std::tuple(legend.LegendText(), legend.DX, legend.DY),
              std::tuple(QStringLiteral("Vs(mV)"), graph->Width(), 0));
}

} // namespace

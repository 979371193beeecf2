// Undo and redo on the real main window: every kind of change is one step
// that puts the page's document back as it was, and forward again.
#include "EditorFixture.h"
#include "annotations/TTexte.h"
#include "dialogs/SpinEdit.h"
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QWindow>
#include <functional>

namespace
{

class UndoCommandsTest : public EditorFixture
{
protected:
    TAxe *First() const { return view->Graphs(0); }
    template <class Kind> Kind *Find() const
    {
        for (TSmallGraph *e : First()->Elements())
            if (auto *k = dynamic_cast<Kind *>(e))
                return k;
        return nullptr;
    }
    QPoint LineMiddle() const
    {
        const TLine *l = Find<TLine>();
        return {(l->GetX() + l->GetX2()) / 2, (l->GetY() + l->GetY2()) / 2};
    }
    // Presses on a handle (control pixel) and drags it by delta pixels.
    void DragHandle(QPoint handle, QPoint delta)
    {
        QTest::mousePress(view, Qt::LeftButton, {}, handle);
        QTest::mouseMove(view, handle + delta / 2);
        QTest::mouseMove(view, handle + delta);
        QTest::mouseRelease(view, Qt::LeftButton, {}, handle + delta);
    }
    // A right click at a control pixel, its dialog run by script.
    void EditAt(QPoint pixel, ScriptedPrompts::DialogScript script)
    {
        scripted.Dialogs.push_back(std::move(script));
        QTest::mouseClick(view, Qt::RightButton, {}, pixel);
        EXPECT_TRUE(scripted.Dialogs.empty());
    }
    QPoint OnGraph(double x, double y) const
    {
        return Screen({First()->XToPage(x), First()->YToPage(y)});
    }
    QPoint BesideThePage() const { return {view->PageRect().left() - 2, 300}; }
    static ScriptedPrompts::DialogScript Typing(const char *edit, const char *text)
    {
        return [edit, text](QDialog &d) {
            d.findChild<QLineEdit *>(edit)->setText(QString::fromUtf8(text));
            return int(QDialog::Accepted);
        };
    }
    static ScriptedPrompts::DialogScript Pressing(const char *button)
    {
        return [button](QDialog &d) {
            d.findChild<QPushButton *>(button)->click();
            return d.result();
        };
    }
};

TEST_F(UndoCommandsTest, EveryChangeIsOneStepBackAndForth)
{
    const struct {
        const char *change;
        std::function<void()> make;
    } changes[] = {
        {"ajouter la ligne", [&] { Action("AddLine")->trigger(), Drag({600, 600}, {1400, 600}); }},
        {"déplacer la ligne",
         [&] {
             Click(LineMiddle());
             DragHandle(Find<TLine>()->GetScreenPoint(), {60, -30});
         }},
        {"redimensionner la ligne",
         [&] {
             Click(LineMiddle());
             DragHandle(Find<TLine>()->GetSizeHandle(), {-80, 40});
         }},
        {"mettre en forme la ligne",
         [&] {
             view->DefColor = clRed;
             Click(LineMiddle(), Qt::ShiftModifier);
         }},
        {"mettre en forme la ligne",
         [&] {
             Click(LineMiddle());
             form->findChild<QSpinBox *>(QStringLiteral("SEEpais"))->setValue(9);
         }},
        {"passer la ligne en arrière-plan",
         [&] {
             Click(LineMiddle());
             Action("DrawDown")->trigger();
         }},
        {"supprimer la ligne",
         [&] {
             Click(LineMiddle());
             Action("AddDelete")->trigger();
         }},
        {"ajouter le texte",
         [&] {
             scripted.Dialogs.push_back(Typing("ETexte", "Vs"));
             Action("AddTexte")->trigger();
             Click({800, 900});
         }},
        {"modifier le texte", [&] { EditAt(Screen({810, 890}), Typing("ETexte", "Ve")); }},
        {"modifier la courbe", [&] { EditAt(OnGraph(3, 6), Typing("ENom", "Vs")); }},
        {"modifier le graphe", [&] { EditAt(OnGraph(8, 2), Typing("EYMax", "30")); }},
        {"ajouter le marqueur horizontal",
         [&] {
             Action("AddHMarker")->trigger();
             Click({1000, First()->YToPage(10)});
         }},
        // Between two page positions: the steps after keep it exact.
        {"modifier le marqueur horizontal", [&] { EditAt(OnGraph(2, 10), Typing("EY", "29,99")); }},
        {"modifier la page",
         [&] {
             EditAt(BesideThePage(), [](QDialog &d) {
                 d.findChild<TSpinEdit *>("SEHeight")->setValue(1200);
                 d.findChild<TSpinEdit *>("SEMarge")->setValue(2);
                 return int(QDialog::Accepted);
             });
         }},
        {"ajouter un graphe", [&] { Action("AddGraph")->trigger(); }},
        {"supprimer le graphe",
         [&] {
             Action("DeleteGraph")->trigger();
             Click({1000, 100});
         }},
    };
    QAction *annuler = Action("Annuler");
    QAction *retablir = Action("Retablir");
    EXPECT_FALSE(annuler->isEnabled());
    for (const auto &c : changes) {
        const QString change = QString::fromUtf8(c.change);
        const QByteArray before = view->SaveToBytes();
        c.make();
        const QByteArray after = view->SaveToBytes();
        ASSERT_NE(after, before) << c.change;
        EXPECT_EQ(annuler->toolTip(), QStringLiteral("Annuler : ") + change);
        annuler->trigger();
        EXPECT_TRUE(view->SaveToBytes() == before) << c.change;
        EXPECT_EQ(retablir->toolTip(), QStringLiteral("Rétablir : ") + change);
        retablir->trigger();
        EXPECT_TRUE(view->SaveToBytes() == after) << c.change;
        EXPECT_FALSE(retablir->isEnabled());
    }
    EXPECT_EQ(view->GraphCount(), 1);
    EXPECT_FALSE(Action("DeleteGraph")->isEnabled());
    annuler->trigger(); // the deleted graph comes back with its curve and text
    EXPECT_EQ(view->GraphCount(), 2);
    EXPECT_TRUE(Action("DeleteGraph")->isEnabled());
    EXPECT_NE(Find<TTexte>(), nullptr);
}

TEST_F(UndoCommandsTest, ADialogCancelledOrLeftUnchangedAddsNoStep)
{
    for (const QPoint at : {OnGraph(3, 6), OnGraph(8, 2), BesideThePage()}) {
        EditAt(at, Pressing("BAnnuler"));
        EditAt(at, Pressing("BOK"));
    }
    EXPECT_EQ(scripted.ExecutedDialogs,
              (QStringList{"CourbeDlg", "CourbeDlg", "MathDlg", "MathDlg", "PageDlg", "PageDlg"}));
    EXPECT_FALSE(Action("Annuler")->isEnabled());
    EXPECT_FALSE(view->Modified());
}

// The caption the desktop shows carries the modified mark exactly while the
// page differs from the one imported or saved.
TEST_F(UndoCommandsTest, UndoingAndRedoingAcrossTheSavedPageTellWhetherItChanged)
{
    const auto expect = [&](bool modified, const QString &caption) {
        EXPECT_EQ(view->Modified(), modified);
        EXPECT_EQ(form->windowHandle()->title(), caption);
    };
    expect(false, QStringLiteral("Scolivet : "));
    Action("AddLine")->trigger();
    Drag({600, 600}, {1400, 600});
    expect(true, QStringLiteral("Scolivet : *"));
    scripted.FileNames.push_back(dir.filePath(QStringLiteral("page[*].scv")));
    Action("Save")->trigger();
    const QString saved = QStringLiteral("Scolivet : page[*].scv%1 (") + dir.path() + "/)";
    expect(false, saved.arg(QString()));
    Action("Annuler")->trigger();
    expect(true, saved.arg(QStringLiteral("*")));
    Action("Retablir")->trigger();
    expect(false, saved.arg(QString()));
    Action("AddGraph")->trigger();
    expect(true, saved.arg(QStringLiteral("*")));
    Action("Annuler")->trigger();
    expect(false, saved.arg(QString()));
}

} // namespace

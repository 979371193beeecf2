// The keyboard on the real main window: the page keeps its keys after the
// formatting tool bar restyles the selection, and dialogs take typing at once.
#include "EditorFixture.h"
#include "annotations/TTexte.h"
#include "dialogs/ColorSwatch.h"
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>

namespace
{

class PageKeyboardTest : public EditorFixture
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get(), 5000));
    }
    // A key pressed wherever the keyboard is.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    template <typename T> T *Bar(const char *name) const
    {
        return form->findChild<T *>(QString::fromLatin1(name));
    }
    // A line selected, then made 9 points thick by typing in the tool bar.
    void RestyleALine()
    {
        Action("AddLine")->trigger();
        Drag({600, 600}, {1400, 600});
        Click({1000, 600});
        ASSERT_NE(view->Selected(), nullptr);
        auto *epais = Bar<QSpinBox>("SEEpais");
        epais->setFocus();
        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(epais, QStringLiteral("9"));
        EXPECT_EQ(Line()->Epais, 4); // nothing applied while typing
        Key(Qt::Key_Return);
        QApplication::processEvents();
        ASSERT_EQ(Line()->Epais, 9);
        EXPECT_FALSE(epais->findChild<QLineEdit *>()->hasSelectedText());
    }
    // Undo and redo rebuild the graphs: always the page's own.
    int Count() const { return view->Graphs(0)->ElementCount(); }
    TLine *Line() const { return dynamic_cast<TLine *>(view->Graphs(0)->Elements().back()); }
};

TEST_F(PageKeyboardTest, AfterARestyleDelCopyUndoAndRedoActOnThePage)
{
    RestyleALine();
    EXPECT_EQ(QApplication::focusWidget(), view);
    EXPECT_EQ(Action("Annuler")->toolTip(), QStringLiteral("Annuler : mettre en forme la ligne"));

    QSignalSpy copies(Action("Copier"), &QAction::triggered);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies.count(), 1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Count(), initial);
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Count(), initial + 1);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Line()->Epais, 4);
    EXPECT_TRUE(Action("Retablir")->isEnabled());
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Line()->Epais, 9);
}

// A box clicked into again keeps its text, but the undo keys stay the page's:
// its own text undo would record the old value as a new change.
TEST_F(PageKeyboardTest, TheToolBarBoxesLeaveUndoAndRedoToThePage)
{
    RestyleALine();
    for (const char *box : {"SEEpais", "CBFontName", "SEFontSize"}) {
        SCOPED_TRACE(box);
        Bar<QWidget>(box)->setFocus();
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Line()->Epais, 4);
        EXPECT_TRUE(Action("Retablir")->isEnabled());
        Key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(Line()->Epais, 9);
        EXPECT_FALSE(Action("Retablir")->isEnabled());
    }
}

TEST_F(PageKeyboardTest, TheTextDialogTakesTypingAndTabReachesItsColour)
{
    scripted.Colors.push_back(clRed);
    scripted.Dialogs.push_back([](QDialog &d) {
        QWidget *text = d.focusWidget();
        EXPECT_EQ(text->objectName(), QStringLiteral("ETexte"));
        QTest::keyClicks(text, QStringLiteral("Bonjour"));
        QTest::keyClick(text, Qt::Key_Tab);
        EXPECT_EQ(d.focusWidget()->objectName(), QStringLiteral("PColor"));
        QTest::keyClick(d.focusWidget(), Qt::Key_Space);
        QTest::keyClick(text, Qt::Key_Return);
        return d.result();
    });
    Action("AddTexte")->trigger();
    Click({800, 900});
    const auto *texte = dynamic_cast<const TTexte *>(Last());
    ASSERT_NE(texte, nullptr);
    EXPECT_EQ(texte->Texte, QStringLiteral("Bonjour"));
    EXPECT_EQ(texte->GetColor(), clRed);
}

TEST_F(PageKeyboardTest, ThePageDialogOpensFromTheMenuAtAnyZoom)
{
    for (int i = 0; i < 3; ++i)
        Action("ZoomIn")->trigger();
    scripted.Dialogs.push_back([](QDialog &d) {
        d.findChild<QSpinBox *>(QStringLiteral("SEWidth"))->setValue(2500);
        return int(QDialog::Accepted);
    });
    Action("DefinitionPage")->trigger();
    EXPECT_EQ(scripted.ExecutedDialogs, QStringList("PageDlg"));
    EXPECT_EQ(view->MFWidth(), 2500);
    EXPECT_EQ(Action("Annuler")->toolTip(), QStringLiteral("Annuler : modifier la page"));
}

} // namespace

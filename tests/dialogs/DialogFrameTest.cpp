// What every property dialog shares: it opens with the keyboard in the first
// field of the page shown, Tab walks every control before the buttons, and
// every tab takes the dialog's font.
#include "dialogs/UCourbeDlg.h"
#include "dialogs/UFigureDlg.h"
#include "dialogs/UMathDlg.h"
#include "dialogs/UPageDlg.h"
#include "dialogs/UTexteDlg.h"
#include <QApplication>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace
{

// The controls Tab reaches from the field that has the keyboard, in their
// order, once round: the ones on the tab page shown, then the tab bar.
QStringList TabOrder(const QDialog &dialog)
{
    QStringList names;
    QWidget *start = dialog.focusWidget();
    for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dialog) &&
            !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            names << w->objectName();
    return names;
}

TEST(DialogFrame, OpensInItsFirstFieldWithTheButtonsLastInTheTabOrder)
{
    const struct {
        std::function<std::unique_ptr<QDialog>()> make;
        const char *first;
        const char *alsoReached;
    } cases[] = {
        {[] { return std::make_unique<TTexteDlg>(); }, "ETexte", "PColor"},
        {[] { return std::make_unique<TPageDlg>(); }, "SEHeight", "PColor"},
        {[] { return std::make_unique<TCourbeDlg>(); }, "ENom", "PColor"},
        {[] { return std::make_unique<TArrowDlg>(); }, "PColor", "CBDouble"},
        {[] { return std::make_unique<TMathDlg>(); }, "SEEpaisAxe", "PColorQuadri"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.first);
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        ASSERT_NE(dialog->focusWidget(), nullptr);
        EXPECT_EQ(dialog->focusWidget()->objectName(), QString::fromLatin1(c.first));
        QStringList order = TabOrder(*dialog);
        EXPECT_TRUE(order.contains(QString::fromLatin1(c.alsoReached))) << order.join(' ').toStdString();
        order.removeAll(QStringLiteral("PageControl1"));
        EXPECT_EQ(order.mid(order.size() - 2), QStringList({"BOK", "BAnnuler"}))
            << order.join(QChar(' ')).toStdString();
        dialog->hide();
    }
}

TEST(DialogFrame, EveryTabOfTheGraphDialogTakesTheDialogsFont)
{
    TMathDlg dialog;
    const QFont font(QStringLiteral("Liberation Mono"), 13);
    dialog.setFont(font);
    for (const QWidget *w : dialog.findChildren<QWidget *>())
        EXPECT_EQ(w->font(), font) << w->objectName().toStdString();
}

} // namespace

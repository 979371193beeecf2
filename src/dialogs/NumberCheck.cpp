#include "dialogs/NumberCheck.h"
#include "data/EngNumbers.h"
#include "dialogs/Prompts.h"
#include <QLineEdit>
#include <QTabWidget>

namespace
{

// Brings to front every tab page that holds the widget, innermost first.
// A tab page sits in the tab control's page stack.
void ShowTabsHolding(QWidget &widget)
{
    QWidget *page = nullptr;
    QWidget *child = &widget;
    for (QWidget *parent = child->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(parent); tabs && page)
            tabs->setCurrentWidget(page);
        page = child;
        child = parent;
    }
}

} // namespace

bool CheckEngNumber(QLineEdit &edit)
{
    if (IsEngNumber(edit.text()))
        return true;
    ShowTabsHolding(edit);
    edit.setFocus();
    ShowError(QStringLiteral("Format de nombre incorrect."), edit.window());
    return false;
}

#include "dialogs/NumberCheck.h"
#include "data/EngNumbers.h"
#include "dialogs/Prompts.h"
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

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

bool CheckLogScale(QLineEdit &min, QLineEdit &max)
{
    const bool numbers = IsEngNumber(min.text()) && IsEngNumber(max.text());
    if (numbers && std::min(ParseEng(min.text()), ParseEng(max.text())) > 0)
        return true;
    QLineEdit &lower = numbers && ParseEng(max.text()) < ParseEng(min.text()) ? max : min;
    ShowTabsHolding(lower);
    lower.setFocus();
    ShowError(QStringLiteral("L'échelle logarithmique demande un minimum supérieur à zéro."),
              lower.window());
    return false;
}

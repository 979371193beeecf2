#include "dialogs/UnitLabel.h"
#include <QGridLayout>
#include <QLabel>

void AddUnitLabel(QWidget &control, const QString &unit)
{
    auto *grid = qobject_cast<QGridLayout *>(control.parentWidget()->layout());
    const int index = grid ? grid->indexOf(&control) : -1;
    if (index < 0)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    grid->addWidget(new QLabel(unit, control.parentWidget()), row, column + columnSpan);
}

#pragma once
// A unit written after a control laid out by the dialog frame's rows, in the
// same grid row.
class QString;
class QWidget;

void AddUnitLabel(QWidget &control, const QString &unit);

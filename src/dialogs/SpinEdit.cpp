#include "dialogs/SpinEdit.h"

TSpinEdit::TSpinEdit(QWidget *parent) : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    SetLimits(0, 0);
}

void TSpinEdit::SetLimits(int minValue, int maxValue)
{
    m_unbounded = minValue == maxValue;
    if (m_unbounded)
        setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    else
        setRange(std::min(minValue, maxValue), std::max(minValue, maxValue));
}

int TSpinEdit::Value() const
{
    const int lower = m_unbounded ? 0 : minimum();
    bool ok = false;
    const qlonglong typed = cleanText().toLongLong(&ok);
    if (!ok)
        return lower;
    return SaturatedInt(std::clamp<qlonglong>(typed, minimum(), maximum()));
}

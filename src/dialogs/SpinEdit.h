#pragma once
// An integer field between two limits. Equal limits mean no limits at all.
// A typed value beyond the limits is brought to the nearest one when the
// field is left, and a text that is not an integer reads as the lower limit
// (0 without limits).
#include <QSpinBox>
#include <algorithm>
#include <limits>

// v held within the values of an int, as a spin edit can show them.
inline int SaturatedInt(long long v)
{
    return int(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max()));
}

class TSpinEdit : public QSpinBox
{
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget *parent = nullptr);

    void SetLimits(int minValue, int maxValue);
    bool Unbounded() const { return m_unbounded; }
    // The value as read by the dialogs: the typed text, kept within the limits.
    int Value() const;
    // Shown clamped to the limits.
    void SetValue(int value) { setValue(value); }

private:
    bool m_unbounded = true;
};

#pragma once
// The validations of the property dialogs: a field holding an engineering
// number, and the limits of a logarithmic scale. On a failure the tab holding
// the field comes to front, the field takes the focus and a message says why
// ("Format de nombre incorrect." for a malformed number).
class QLineEdit;

// True when the field's text is an engineering number.
bool CheckEngNumber(QLineEdit &edit);

// True when the limits typed in the two fields, numbers both, suit a
// logarithmic scale: the lower one is above zero. Otherwise the message says
// so, over the lower field.
bool CheckLogScale(QLineEdit &min, QLineEdit &max);

#pragma once
// The one validation of the property dialogs: a field holding an engineering
// number. On a malformed number the tab holding the field comes to front, the
// field takes the focus and "Format de nombre incorrect." is shown.
class QLineEdit;

// True when the field's text is an engineering number.
bool CheckEngNumber(QLineEdit &edit);

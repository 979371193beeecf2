#pragma once
// A curve's dialog: its series' name, unit and colour, and its thickness.
#include "dialogs/DialogFrame.h"
#include "dialogs/GraphValues.h"

class TCourbeDlg : public TDialogFrame
{
    Q_OBJECT
public:
    explicit TCourbeDlg(QWidget *parent = nullptr);

    void Fill(const TCourbeValues &values);
    TCourbeValues Values() const;
};

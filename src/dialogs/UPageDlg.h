#pragma once
// The page's dialog: page size, inner margin and background colour.
#include "dialogs/DialogFrame.h"
#include "dialogs/GraphValues.h"

class TPageDlg : public TDialogFrame
{
    Q_OBJECT
public:
    explicit TPageDlg(QWidget *parent = nullptr);

    void Fill(const TPageValues &values);
    TPageValues Values() const;
};

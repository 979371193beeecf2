#pragma once
// The oscilloscope screen's dialog: axis and grid styling, the graduation
// font, and the frame size shown only.
#include "dialogs/DialogFrame.h"
#include "dialogs/GraphStyleTabs.h"

class TOscDlg : public TDialogFrame
{
    Q_OBJECT
public:
    explicit TOscDlg(QWidget *parent = nullptr);

    void Fill(const TGraphStyle &style) { m_style.Fill(style); }
    TGraphStyle Values() const { return m_style.Read(); }

private:
    TGraphStyleTabs m_style;
};

#pragma once
// The common frame of the annotation dialogs: the "Référence" tab with the
// anchor of the annotation, either a reference point in graph values plus
// offsets, or offsets from the graph's lower-left corner. Switching between
// the two converts the offsets so that the annotation keeps its place.
// The derived dialogs add their own tabs in front of it.
#include "dialogs/DialogFrame.h"

class QLineEdit;
class TSpinEdit;
class TValueMapping;

// The anchor as the tab edits it (page units for the offsets, DY upward).
struct TReference {
    bool LockXY = false;
    double RefX = 0;
    double RefY = 0;
    int DX = 0;
    int DY = 0;
};

class TDessinDlg : public TDialogFrame
{
    Q_OBJECT
public:
    TDessinDlg(const char *name, const QString &caption, QWidget *parent = nullptr);

    // Before showing: the annotation's graph (kept for the conversions while
    // the dialog is shown, so it must outlive that) and its anchor. The
    // offsets are limited to plus or minus the graph's width and height.
    void FillReference(const TValueMapping &element, const TReference &reference);
    // After OK, when every field has passed its check.
    TReference ReadReference() const;
    // The two reference numbers alone, for the markers.
    void SetReferenceText(double refX, double refY);
    double RefXValue() const;
    double RefYValue() const;

protected:
    // A tab of the derived dialog, in front of "Référence"; the first one
    // added is the one shown first.
    QWidget &AddOwnTab(const char *name, const QString &caption, std::span<const TControlRow> rows);
    // A malformed reference number keeps the dialog open, "Annuler" included.
    bool CanClose() override;
    // Leaves only one reference edit and its label on the tab.
    void KeepOnlyReferenceEdit(const char *label, const char *edit);

private:
    void LockXYClicked(bool checked);
    void ShowMode(bool locked);
    void ConvertOffsets(bool locked);

    QLineEdit *m_ex = nullptr;
    QLineEdit *m_ey = nullptr;
    TSpinEdit *m_xDec = nullptr;
    TSpinEdit *m_yDec = nullptr;
    const TValueMapping *m_element = nullptr;
    bool m_convertOn = true;
};

#pragma once
// "Définition du marqueur horizontal" and "... vertical": colour and
// thickness, and on the reference tab only the marked value, Y for the
// horizontal marker and X for the vertical one.
#include "data/TColor.h"
#include "dialogs/UDessinDlg.h"

struct TMarkerValues {
    double RefX = 0;
    double RefY = 0;
    int Epais = 1;
    TColor Color = clBlack;
};

class TMarkerDlg : public TDessinDlg
{
    Q_OBJECT
public:
    void Fill(const TMarkerValues &values);
    // After OK: both reference numbers have passed their check.
    TMarkerValues Read() const;

protected:
    TMarkerDlg(const char *name, const QString &caption, const char *label, const char *edit,
               QWidget *parent);
};

class THMarkerDlg : public TMarkerDlg
{
    Q_OBJECT
public:
    explicit THMarkerDlg(QWidget *parent = nullptr);
};

class TVMarkerDlg : public TMarkerDlg
{
    Q_OBJECT
public:
    explicit TVMarkerDlg(QWidget *parent = nullptr);
};

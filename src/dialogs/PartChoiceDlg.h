#pragma once
// The choice among the parts of a file that holds several (the simulations
// of one simulation file): a list, the proposed part selected, "OK" and
// "Annuler".
#include <QDialog>
#include <QStringList>

class QListWidget;

class TPartChoiceDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPartChoiceDlg(QWidget *parent = nullptr);

    void Fill(const QStringList &parts, int proposed);
    // The selected row, -1 with none.
    int Chosen() const;

private:
    QListWidget *m_list;
};

// Runs the dialog through the prompts; the chosen index, or -1 when cancelled.
int ChoosePart(QWidget *parent, const QStringList &parts, int proposed);

#pragma once
// The transfer dialog "Configuration du transfert": the serial port the
// oscilloscope is on, the button that fetches the waveforms, their progress
// and the cancel button.
#include "serial/CPort.h"
#include <QDialog>
#include <QTimer>

class QComboBox;
class QProgressBar;
class QPushButton;
class TTDS;
struct TTDSFailure;

// The port proposed among ports: the remembered one, found ignoring case;
// with none remembered, the first adapter on USB, else the first port.
// -1 when the remembered port is not listed or nothing is.
int ProposedPort(const QList<TPortInfo> &ports, const QString &remembered);

class TTDSTransfertDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TTDSTransfertDlg(QWidget *parent = nullptr);

    // Points the dialog at the link, lists the ports with the link's port
    // selected (ignoring case; a port that is not listed stays typed in, and
    // a link without a port takes the one ProposedPort gives), and runs the
    // dialog through the prompts. True when the waveforms were read.
    bool Execute(TTDS &link, const QList<TPortInfo> &ports);

    // Escape, the close box and "Annuler" stop a transfer under way.
    void reject() override;

private:
    void ComboBox1Change(const QString &text);
    void BTransfertClick();
    void Timer1Timer();
    void ShowFailure(const TTDSFailure &failure);

    TTDS *m_link = nullptr;
    QComboBox *m_comboBox1;
    QPushButton *m_bTransfert;
    QProgressBar *m_progressBar1;
    QTimer m_timer1;
};

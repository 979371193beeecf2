#include "scope/UTDSTransfert.h"
#include "dialogs/DialogFrame.h"
#include "dialogs/Prompts.h"
#include "scope/CTds.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

template <typename W> W *Named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

int ProposedPort(const QList<TPortInfo> &ports, const QString &remembered)
{
    const auto found = [&](auto matches) {
        const auto at = std::find_if(ports.begin(), ports.end(), matches);
        return at == ports.end() ? -1 : int(at - ports.begin());
    };
    if (!remembered.isEmpty())
        return found([&](const TPortInfo &p) {
            return p.Location.compare(remembered, Qt::CaseInsensitive) == 0;
        });
    const int usb = found([](const TPortInfo &p) { return p.Usb; });
    return usb >= 0 || ports.isEmpty() ? usb : 0;
}

TTDSTransfertDlg::TTDSTransfertDlg(QWidget *parent)
    : QDialog(parent, FixedDialogFlags), m_comboBox1(Named(new QComboBox(this), "ComboBox1")),
      m_bTransfert(Named(
          new QPushButton(QStringLiteral("Recupération des oscillogrammes"), this), "BTransfert")),
      m_progressBar1(Named(new QProgressBar(this), "ProgressBar1"))
{
    setObjectName(QStringLiteral("TDSTransfertDlg"));
    setWindowTitle(QStringLiteral("Configuration du transfert"));
    // The main window's font, as its other dialogs.
    setAttribute(Qt::WA_WindowPropagation);
    auto *bevel = Named(new QFrame(this), "Bevel1");
    bevel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *frame = new QVBoxLayout(bevel);
    frame->addWidget(Named(new QLabel(QStringLiteral(
                                          "Port série sur lequel est connecté votre oscilloscope"),
                                      bevel),
                           "Label1"),
                     0, Qt::AlignHCenter);
    // A pseudo-terminal or an adapter the system does not list is typed in.
    m_comboBox1->setEditable(true);
    m_comboBox1->setInsertPolicy(QComboBox::NoInsert);
    m_comboBox1->setMinimumWidth(145);
    frame->addWidget(m_comboBox1, 0, Qt::AlignHCenter);
    frame->addSpacing(16);
    frame->addWidget(m_bTransfert, 0, Qt::AlignHCenter);
    m_progressBar1->setRange(0, 100);
    m_progressBar1->setValue(0);
    frame->addWidget(m_progressBar1);

    auto *cancelBtn = Named(new QPushButton(QStringLiteral("Annuler"), this), "CancelBtn");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addWidget(cancelBtn, 0, Qt::AlignHCenter);
    setFixedSize(QSize(313, 214).expandedTo(sizeHint()));

    m_timer1.setInterval(500);
    connect(m_comboBox1, &QComboBox::currentTextChanged, this, &TTDSTransfertDlg::ComboBox1Change);
    connect(m_bTransfert, &QPushButton::clicked, this, &TTDSTransfertDlg::BTransfertClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TTDSTransfertDlg::reject);
    connect(&m_timer1, &QTimer::timeout, this, &TTDSTransfertDlg::Timer1Timer);
}

bool TTDSTransfertDlg::Execute(TTDS &link, const QList<TPortInfo> &ports)
{
    m_link = &link;
    m_bTransfert->setEnabled(true);
    m_comboBox1->setEnabled(true);
    const QString remembered = link.GetPort();
    {
        const QSignalBlocker quiet(m_comboBox1);
        m_comboBox1->clear();
        for (const TPortInfo &port : ports)
            m_comboBox1->addItem(port.Location);
        const int proposed = ProposedPort(ports, remembered);
        m_comboBox1->setCurrentIndex(proposed);
        if (proposed < 0)
            m_comboBox1->setEditText(remembered);
    }
    if (remembered.isEmpty())
        ComboBox1Change(m_comboBox1->currentText());
    m_progressBar1->setValue(0);
    m_comboBox1->setFocus();
    return prompts().Exec(*this) == QDialog::Accepted;
}

void TTDSTransfertDlg::ComboBox1Change(const QString &text)
{
    if (m_link && !text.isEmpty())
        m_link->SetPort(text);
}

void TTDSTransfertDlg::BTransfertClick()
{
    m_bTransfert->setEnabled(false);
    m_comboBox1->setEnabled(false);
    m_timer1.start();
    const bool read = m_link->Connect() && m_link->Transfer() && !m_link->Cancelled;
    m_timer1.stop();
    m_link->ClosePort();
    m_progressBar1->setValue(0);
    ShowFailure(m_link->Failure);
    done(read ? QDialog::Accepted : QDialog::Rejected);
}

void TTDSTransfertDlg::Timer1Timer()
{
    m_progressBar1->setMaximum(m_link->ProgressMax);
    m_progressBar1->setValue(std::min(m_link->Progress, m_link->ProgressMax));
}

void TTDSTransfertDlg::ShowFailure(const TTDSFailure &failure)
{
    if (failure.Kind == TTDSFailure::Box::Plain)
        ShowMessage(failure.Text, this);
    else if (failure.Kind == TTDSFailure::Box::Error)
        prompts().Message(this, Prompts::Icon::Error, failure.Text, QMessageBox::Ok,
                          failure.Caption);
}

void TTDSTransfertDlg::reject()
{
    if (m_link)
        m_link->Cancel();
    QDialog::reject();
}

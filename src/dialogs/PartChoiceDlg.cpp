#include "dialogs/PartChoiceDlg.h"
#include "dialogs/Prompts.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TPartChoiceDlg::TPartChoiceDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PartChoiceDlg"));
    setWindowTitle(QStringLiteral("Importer un fichier"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Ce fichier contient plusieurs simulations. Laquelle importer ?"),
                   this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("LBParties"));
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TPartChoiceDlg::Fill(const QStringList &parts, int proposed)
{
    m_list->clear();
    m_list->addItems(parts);
    m_list->setCurrentRow(proposed);
}

int TPartChoiceDlg::Chosen() const
{
    return m_list->currentRow();
}

int ChoosePart(QWidget *parent, const QStringList &parts, int proposed)
{
    TPartChoiceDlg dialog(parent);
    dialog.Fill(parts, proposed);
    return prompts().Exec(dialog) == QDialog::Accepted ? dialog.Chosen() : -1;
}

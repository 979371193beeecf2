#include "dialogs/UOscDlg.h"

TOscDlg::TOscDlg(QWidget *parent)
    : TDialogFrame("OscDlg", QStringLiteral("Définition du graphique"), parent),
      m_style(*this, TGraphStyleTabs::Kind::Osc)
{
}

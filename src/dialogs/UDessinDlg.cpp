#include "dialogs/UDessinDlg.h"
#include "data/EngNumbers.h"
#include "dialogs/NumberCheck.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/ValueMapping.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <array>

namespace
{

// clang-format off
const std::array<TControlRow, 6> referenceRows{{
    {TControlKind::Check, "CBLockXY", "Point de référence"},
    {TControlKind::Edit, "EX", "X :", "Label1"},
    {TControlKind::Edit, "EY", "Y:", "Label2"},
    {TControlKind::Text, "Label3", ""},
    {TControlKind::Spin, "SEXDec", "DX :", "Label4"},
    {TControlKind::Spin, "SEYDec", "DY :", "Label5"},
}};
// clang-format on

} // namespace

TDessinDlg::TDessinDlg(const char *name, const QString &caption, QWidget *parent)
    : TDialogFrame(name, caption, parent)
{
    AddTab("TSRef", QStringLiteral("Référence"), referenceRows);
    m_ex = &Control<QLineEdit>("EX");
    m_ey = &Control<QLineEdit>("EY");
    m_xDec = &Control<TSpinEdit>("SEXDec");
    m_yDec = &Control<TSpinEdit>("SEYDec");
    auto &lock = Control<QCheckBox>("CBLockXY");
    lock.setChecked(true);
    ShowMode(true);
    connect(&lock, &QCheckBox::toggled, this, &TDessinDlg::LockXYClicked);
}

void TDessinDlg::SetReferenceText(double refX, double refY)
{
    m_ex->setText(FormatEng(refX, Resolution(refX)));
    m_ey->setText(FormatEng(refY, Resolution(refY)));
}

void TDessinDlg::FillReference(const TValueMapping &element, const TReference &reference)
{
    m_element = &element;
    SetReferenceText(reference.RefX, reference.RefY);
    m_xDec->SetLimits(-element.Width(), element.Width());
    m_xDec->SetValue(reference.DX);
    m_yDec->SetLimits(-element.Height(), element.Height());
    m_yDec->SetValue(reference.DY);
    Control<QCheckBox>("CBLockXY").setChecked(reference.LockXY);
}

double TDessinDlg::RefXValue() const
{
    return ParseEng(m_ex->text());
}

double TDessinDlg::RefYValue() const
{
    return ParseEng(m_ey->text());
}

TReference TDessinDlg::ReadReference() const
{
    return {Control<QCheckBox>("CBLockXY").isChecked(), RefXValue(), RefYValue(), m_xDec->Value(),
            m_yDec->Value()};
}

QWidget &TDessinDlg::AddOwnTab(const char *name, const QString &caption,
                               std::span<const TControlRow> rows)
{
    QTabWidget &pages = PageControl();
    const bool first = pages.count() == 1;
    QWidget &page = AddTab(name, caption, rows, pages.count() - 1);
    if (first)
        pages.setCurrentWidget(&page);
    return page;
}

bool TDessinDlg::CanClose()
{
    return CheckEngNumber(*m_ex) && CheckEngNumber(*m_ey);
}

void TDessinDlg::KeepOnlyReferenceEdit(const char *label, const char *edit)
{
    for (QWidget *w : PageControl().findChild<QWidget *>(QStringLiteral("TSRef"))
                          ->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString n = w->objectName();
        w->setVisible(n == QLatin1String(label) || n == QLatin1String(edit));
    }
}

void TDessinDlg::ShowMode(bool locked)
{
    for (const char *name : {"Label1", "Label2"})
        Control<QLabel>(name).setVisible(locked);
    m_ex->setVisible(locked);
    m_ey->setVisible(locked);
    Control<QLabel>("Label3").setText(
        locked ? QStringLiteral("Décalage par rapport au point de référence")
               : QStringLiteral("Décalage par rapport au coin inférieur gauche"));
}

void TDessinDlg::LockXYClicked(bool checked)
{
    // The numbers are checked while their edits are still shown, so that the
    // faulty one can take the focus.
    if (!checked && !(CheckEngNumber(*m_ex) && CheckEngNumber(*m_ey))) {
        m_convertOn = false;
        Control<QCheckBox>("CBLockXY").setChecked(true);
        return;
    }
    ShowMode(checked);
    if (isVisible() && m_convertOn && m_element)
        ConvertOffsets(checked);
    m_convertOn = true;
}

void TDessinDlg::ConvertOffsets(bool locked)
{
    const TValueMapping &w = *m_element;
    if (locked) {
        m_ex->setText(FormatEng(w.PageToX(SaturatedInt(0LL + m_xDec->Value() + w.Left())),
                               (w.XMax() - w.XMin()) / 10000));
        m_ey->setText(FormatEng(w.PageToY(SaturatedInt(0LL + w.Bottom() - m_yDec->Value())),
                               (w.YMax() - w.YMin()) / 10000));
        m_xDec->SetValue(0);
        m_yDec->SetValue(0);
    } else {
        m_xDec->SetValue(SaturatedInt(0LL + w.XToPage(RefXValue()) + m_xDec->Value() - w.Left()));
        m_yDec->SetValue(SaturatedInt(0LL + m_yDec->Value() - w.YToPage(RefYValue()) + w.Bottom()));
    }
}

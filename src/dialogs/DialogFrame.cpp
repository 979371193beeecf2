#include "dialogs/DialogFrame.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

QWidget *MakeControl(const TControlRow &row, QWidget &parent)
{
    const QString caption = QString::fromUtf8(row.Caption);
    QWidget *control = nullptr;
    switch (row.Kind) {
    case TControlKind::Text:
        control = new QLabel(caption, &parent);
        break;
    case TControlKind::Edit:
        control = new QLineEdit(&parent);
        control->setMinimumWidth(120);
        break;
    case TControlKind::Spin: {
        auto *spin = new TSpinEdit(&parent);
        spin->SetLimits(row.Min, row.Max);
        spin->setMinimumWidth(80);
        control = spin;
        break;
    }
    case TControlKind::Check:
        control = new QCheckBox(caption, &parent);
        break;
    case TControlKind::Color:
        control = new TColorSwatch(&parent);
        control->setFixedSize(68, 21);
        break;
    case TControlKind::Button:
        control = new QPushButton(caption, &parent);
        break;
    }
    control->setObjectName(QString::fromLatin1(row.Name));
    return control;
}

// Edits, spins and colour panels with a caption get a label before them.
bool HasLabel(const TControlRow &row)
{
    return (row.Kind == TControlKind::Edit || row.Kind == TControlKind::Spin ||
            row.Kind == TControlKind::Color) &&
           *row.Caption;
}

QPushButton *AddButton(QHBoxLayout &buttons, const char *name, const QString &caption,
                       QWidget &parent)
{
    auto *button = new QPushButton(caption, &parent);
    button->setObjectName(QString::fromLatin1(name));
    buttons.addWidget(button);
    return button;
}

} // namespace

TDialogFrame::TDialogFrame(const char *name, const QString &caption, QWidget *parent)
    : QDialog(parent, FixedDialogFlags)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = AddButton(*buttons, "BOK", QStringLiteral("OK"), *this);
    m_ok->setDefault(true);
    m_cancel = AddButton(*buttons, "BAnnuler", QStringLiteral("Annuler"), *this);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget &TDialogFrame::Body()
{
    if (!m_body) {
        m_body = new QWidget(this);
        static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_body);
    }
    return *m_body;
}

QTabWidget &TDialogFrame::PageControl()
{
    if (!m_pages) {
        m_pages = new QTabWidget(this);
        m_pages->setObjectName(QStringLiteral("PageControl1"));
        static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_pages);
    }
    return *m_pages;
}

QWidget &TDialogFrame::AddTab(const char *name, const QString &caption,
                              std::span<const TControlRow> rows, int index)
{
    auto *page = new QWidget(&PageControl());
    page->setObjectName(QString::fromLatin1(name));
    AddRows(*page, rows);
    PageControl().insertTab(index, page, caption);
    return *page;
}

void TDialogFrame::AddRows(std::span<const TControlRow> rows)
{
    AddRows(Body(), rows);
}

void TDialogFrame::AddRows(QWidget &container, std::span<const TControlRow> rows)
{
    auto *grid = new QGridLayout(&container);
    int line = 0;
    for (const TControlRow &row : rows) {
        QWidget *control = MakeControl(row, container);
        if (HasLabel(row)) {
            auto *label = new QLabel(QString::fromUtf8(row.Caption), &container);
            if (row.LabelName)
                label->setObjectName(QString::fromLatin1(row.LabelName));
            label->setBuddy(control);
            grid->addWidget(label, line, 0);
            grid->addWidget(control, line, 1, Qt::AlignLeft);
        } else {
            grid->addWidget(control, line, 0, 1, 2);
        }
        ++line;
    }
    grid->setRowStretch(line, 1);
}

void TDialogFrame::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ButtonsLast();
    FocusFirstField();
}

void TDialogFrame::ButtonsLast()
{
    QWidget *last = nullptr;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (w != m_ok && w != m_cancel)
            last = w;
    if (!last)
        return;
    setTabOrder(last, m_ok);
    setTabOrder(m_ok, m_cancel);
}

void TDialogFrame::FocusFirstField()
{
    QWidget *page = m_pages ? m_pages->currentWidget() : m_body;
    if (!page)
        return;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(this)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TDialogFrame::done(int result)
{
    if (CanClose())
        QDialog::done(result);
}

#include "app/FormatCommands.h"

#include "annotations/TDessin.h"
#include "app/FormatToolBar.h"
#include "dialogs/ColorSwatch.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

TFormatCommands::TFormatCommands(const TMainActions &actions, TIsisGraph &view,
                                 TFormatToolBar &bar, QObject *parent)
    : QObject(parent), m_actions(actions), m_view(view), m_bar(bar)
{
    ShowStyle();
    connect(&m_view, &TIsisGraph::SelectedChange, this,
            [this](TIsisGraph *, TDessin *p) { SelectedChange(p); });
    connect(m_bar.PColor, &TColorSwatch::ColorChosen, this, &TFormatCommands::ApplyColor);
    connect(m_bar.SEEpais, &QSpinBox::valueChanged, this, [this](int v) {
        Apply([&](TDessin *d) {
            m_view.DefEpais = v;
            if (d)
                d->Epais = v;
        });
    });
    // A name picked in the list, or typed and confirmed.
    connect(m_bar.CBFontName, &QComboBox::textActivated, this, &TFormatCommands::ApplyFontName);
    connect(m_bar.CBFontName->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { ApplyFontName(m_bar.CBFontName->currentText()); });
    connect(m_bar.SEFontSize, &QSpinBox::valueChanged, this, [this](int v) {
        Apply([&](TDessin *d) {
            m_view.DefFont.Size = v;
            if (d)
                d->Font.Size = v;
        });
    });
    for (QSpinBox *box : {m_bar.SEEpais, m_bar.SEFontSize}) {
        connect(box, &QSpinBox::valueChanged, this, [this, box] { GiveBackKeyboard(box); });
        connect(box, &QSpinBox::editingFinished, this, [this, box] { GiveBackKeyboard(box); });
    }
}

void TFormatCommands::SelectedChange(TDessin *p)
{
    m_actions.AddDelete->setEnabled(p && p->Deletable());
    m_actions.DrawUp->setEnabled(p != nullptr);
    m_actions.DrawDown->setEnabled(p != nullptr);
    if (!p)
        return;
    p->StoreDefaults();
    ShowStyle();
}

void TFormatCommands::ShowStyle()
{
    Updating = true;
    m_bar.PColor->SetColor(m_view.DefColor);
    m_bar.CBFontName->setCurrentText(m_view.DefFont.Name);
    m_bar.SEFontSize->setValue(m_view.DefFont.Size);
    m_bar.SEEpais->setValue(m_view.DefEpais);
    Updating = false;
}

void TFormatCommands::ApplyColor(TColor color)
{
    Apply([&](TDessin *d) {
        m_view.DefColor = color;
        if (d)
            d->SetColor(color);
    });
    GiveBackKeyboard(m_bar.PColor);
}

void TFormatCommands::ApplyFontName(const QString &name)
{
    Apply([&](TDessin *d) {
        m_view.DefFont.Name = name;
        if (d)
            d->Font.Name = name;
    });
    GiveBackKeyboard(m_bar.CBFontName);
}

void TFormatCommands::GiveBackKeyboard(const QWidget *control)
{
    if (Updating)
        return;
    // Once the box has finished with the value (a spin box selects its text
    // after a step), so that it shows no selection once left. A box already
    // left for another control keeps nothing: the keyboard is elsewhere.
    QMetaObject::invokeMethod(
        this,
        [this, control] {
            if (control->hasFocus())
                m_view.setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

template <class Change> void TFormatCommands::Apply(Change change)
{
    if (Updating)
        return;
    TDessin *selected = m_view.Selected();
    change(selected);
    if (selected) {
        m_view.MarkModified(QStringLiteral("mettre en forme ") + selected->Designation());
        m_view.Redraw();
    }
}

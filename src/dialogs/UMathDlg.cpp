#include "dialogs/UMathDlg.h"

#include "data/EngNumbers.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include "dialogs/NumberCheck.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

namespace
{

const std::array<TControlRow, 6> xRows{{
    {TControlKind::Edit, "EXMin", "Xmin :"},
    {TControlKind::Edit, "EXMax", "Xmax :"},
    {TControlKind::Button, "BFullX", "Pleine échelle sur l'axe des X"},
    {TControlKind::Check, "CBPasXAuto", "Graduation automatique"},
    {TControlKind::Edit, "EGraduationX", "Graduation X :", "Label6"},
    {TControlKind::Check, "CBLogX", "Échelle &logarithmique"},
}};
const std::array<TControlRow, 6> yRows{{
    {TControlKind::Edit, "EYMin", "Ymin :"},
    {TControlKind::Edit, "EYMax", "Ymax :"},
    {TControlKind::Button, "BFullY", "Pleine échelle sur l'axe des Y"},
    {TControlKind::Check, "CBPasYAuto", "Graduation automatique"},
    {TControlKind::Edit, "EGraduationY", "Graduation Y :", "Label12"},
    {TControlKind::Check, "CBLogY", "Échelle &logarithmique"},
}};

template <typename T> T *named(const char *name, T *widget)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A tab page: a top part that fillTop lays out, above the axis rows. Every
// control is made inside the dialog, so that it takes the dialog's font.
template <typename FillTop>
QWidget &axisPage(TDialogFrame &dialog, const char *name, const QString &caption, int index,
                  std::span<const TControlRow> rows, FillTop fillTop)
{
    auto *page = new QWidget(&dialog.PageControl());
    page->setObjectName(QString::fromLatin1(name));
    auto *layout = new QVBoxLayout(page);
    auto *top = new QWidget(page);
    fillTop(*top);
    layout->addWidget(top);
    auto *fields = new QWidget(page);
    TDialogFrame::AddRows(*fields, rows);
    layout->addWidget(fields);
    dialog.PageControl().insertTab(index, page, caption);
    return *page;
}

QListWidget *seriesList(QWidget &parent, const char *name)
{
    auto *list = named(name, new QListWidget(&parent));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(true);
    return list;
}

// "(i) name": the item text of series i in the three lists.
QString seriesItem(int i, const TData *s)
{
    return QLatin1Char('(') + QString::number(i) + QStringLiteral(") ") + (s ? s->Name : QString());
}

// A limit or step written to its own resolution.
QString formatted(double v)
{
    return FormatEng(v, Resolution(v));
}

double number(const QLineEdit &edit)
{
    return IsEngNumber(edit.text()) ? ParseEng(edit.text()) : 0.0;
}

TSeriesSet seriesOf(const QListWidget &list)
{
    TSeriesSet set;
    for (int i = 0; i < list.count(); ++i)
        set.Include(list.item(i)->data(Qt::UserRole).toInt());
    return set;
}

} // namespace

TMathDlg::TMathDlg(QWidget *parent)
    : TDialogFrame("MathDlg", QStringLiteral("Définition du graphique"), parent),
      m_style(*this, TGraphStyleTabs::Kind::Math)
{
    addAxeXTab();
    addAxeYTab();
    for (Axis *a : {&m_x, &m_y}) {
        connect(a->Auto, &QCheckBox::clicked, this, [this, a] { autoClicked(*a); });
        connect(a->Log, &QCheckBox::clicked, this, [a] {
            if (a->Log->isChecked() && !CheckLogScale(*a->Min, *a->Max))
                a->Log->setChecked(false);
        });
    }
    PageControl().setCurrentWidget(findChild<QWidget *>(QStringLiteral("TSQuadrillage")));
}

void TMathDlg::addAxeXTab()
{
    axisPage(*this, "TSAxeX", QStringLiteral("Axe X"), 0, xRows, [](QWidget &top) {
        auto *grid = new QGridLayout(&top);
        auto *combo = named("CBAxeX", new QComboBox(&top));
        auto *label = new QLabel(QStringLiteral("Grandeur en abcisse :"), &top);
        label->setBuddy(combo);
        grid->addWidget(label, 0, 0);
        grid->addWidget(combo, 0, 1);
    });
    m_x = {&Control<QLineEdit>("EXMin"), &Control<QLineEdit>("EXMax"),
           &Control<QCheckBox>("CBPasXAuto"), &Control<QLineEdit>("EGraduationX"),
           &Control<QLabel>("Label6"), &Control<QCheckBox>("CBLogX")};
    connect(&Control<QComboBox>("CBAxeX"), &QComboBox::currentIndexChanged, this,
            &TMathDlg::proposeFullX);
    connect(&Control<QPushButton>("BFullX"), &QPushButton::clicked, this, &TMathDlg::proposeFullX);
}

void TMathDlg::addAxeYTab()
{
    axisPage(*this, "TSAxeY", QStringLiteral("Axe Y"), 1, yRows, [](QWidget &top) {
        auto *grid = new QGridLayout(&top);
        QListWidget *hidden = seriesList(top, "LBYCache");
        QListWidget *shown = seriesList(top, "LBYAffiche");
        auto *buttons = new QVBoxLayout;
        buttons->addStretch();
        buttons->addWidget(named("BAffiche", new QPushButton(QStringLiteral(">"), &top)));
        buttons->addWidget(named("BCache", new QPushButton(QStringLiteral("<"), &top)));
        buttons->addStretch();
        grid->addWidget(new QLabel(QStringLiteral("Courbe(s) cachée(s)"), &top), 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("Courbe(s) affichée(s)"), &top), 0, 2);
        grid->addWidget(hidden, 1, 0);
        grid->addLayout(buttons, 1, 1);
        grid->addWidget(shown, 1, 2);
    });
    m_y = {&Control<QLineEdit>("EYMin"), &Control<QLineEdit>("EYMax"),
           &Control<QCheckBox>("CBPasYAuto"), &Control<QLineEdit>("EGraduationY"),
           &Control<QLabel>("Label12"), &Control<QCheckBox>("CBLogY")};
    auto *hidden = &Control<QListWidget>("LBYCache");
    auto *shown = &Control<QListWidget>("LBYAffiche");
    connect(&Control<QPushButton>("BAffiche"), &QPushButton::clicked, this, [this, hidden, shown] {
        const bool wasEmpty = shown->count() == 0;
        moveSelected(*hidden, *shown);
        if (wasEmpty)
            proposeFullY();
    });
    connect(&Control<QPushButton>("BCache"), &QPushButton::clicked, this,
            [this, hidden, shown] { moveSelected(*shown, *hidden); });
    connect(&Control<QPushButton>("BFullY"), &QPushButton::clicked, this, &TMathDlg::proposeFullY);
}

void TMathDlg::Fill(const TMathValues &values, const TDatas &datas)
{
    m_datas = &datas;
    auto &combo = Control<QComboBox>("CBAxeX");
    auto &hidden = Control<QListWidget>("LBYCache");
    auto &shown = Control<QListWidget>("LBYAffiche");
    const QSignalBlocker quiet(combo);
    combo.clear();
    hidden.clear();
    shown.clear();
    for (int i = 0; i < datas.Count(); ++i) {
        const QString text = seriesItem(i, datas.Item(i));
        combo.addItem(text, i);
        auto *item = new QListWidgetItem(text);
        item->setData(Qt::UserRole, i);
        (values.Affiches.Contains(i) ? shown : hidden).addItem(item);
    }
    combo.setCurrentIndex(values.AxeX);
    fillAxis(m_x, values.X);
    fillAxis(m_y, values.Y);
    m_style.Fill(values.Style);
    Control<QCheckBox>("CBQuadriHor").setChecked(values.QuadriHor);
    Control<QCheckBox>("CBQuadriver").setChecked(values.QuadriVer);
}

void TMathDlg::fillAxis(const Axis &axis, const TAxisValues &values)
{
    axis.Min->setText(formatted(values.Min));
    axis.Max->setText(formatted(values.Max));
    axis.Pas->setText(formatted(values.Pas));
    axis.Auto->setChecked(values.PasAuto);
    axis.Log->setChecked(values.Log);
    axis.Pas->setEnabled(!values.PasAuto);
    axis.PasLabel->setEnabled(!values.PasAuto);
}

TMathValues TMathDlg::Values() const
{
    TMathValues v;
    v.AxeX = Control<QComboBox>("CBAxeX").currentData().toInt();
    v.X = readAxis(m_x);
    v.Y = readAxis(m_y);
    v.Affiches = seriesOf(Control<QListWidget>("LBYAffiche"));
    v.QuadriHor = Control<QCheckBox>("CBQuadriHor").isChecked();
    v.QuadriVer = Control<QCheckBox>("CBQuadriver").isChecked();
    v.Style = m_style.Read();
    return v;
}

TAxisValues TMathDlg::readAxis(const Axis &axis) const
{
    return {number(*axis.Min), number(*axis.Max), number(*axis.Pas), axis.Auto->isChecked(),
            axis.Log->isChecked()};
}

void TMathDlg::autoClicked(const Axis &axis)
{
    const bool automatic = axis.Auto->isChecked();
    axis.Pas->setEnabled(!automatic);
    axis.PasLabel->setEnabled(!automatic);
    if (!automatic)
        return;
    if (IsEngNumber(axis.Min->text()) && IsEngNumber(axis.Max->text())) {
        const double span = ParseEng(axis.Max->text()) - ParseEng(axis.Min->text());
        axis.Pas->setText(FormatEng(AutoStep(span), span / 100));
    } else {
        axis.Pas->setText(QStringLiteral("1"));
    }
}

void TMathDlg::proposeFullX()
{
    const TData *s = m_datas ? m_datas->Item(Control<QComboBox>("CBAxeX").currentData().toInt()) : nullptr;
    if (!s)
        return;
    const double span = s->Max - s->Min;
    m_x.Min->setText(FormatEng(s->Min, span / 10000));
    m_x.Max->setText(FormatEng(s->Max, span / 10000));
    if (m_x.Auto->isChecked())
        m_x.Pas->setText(FormatEng(AutoStep(span), span / 100));
}

void TMathDlg::proposeFullY()
{
    if (!m_datas)
        return;
    const TSeriesSet shown = seriesOf(Control<QListWidget>("LBYAffiche"));
    const double smin = m_datas->MinOf(shown);
    const double smax = m_datas->MaxOf(shown);
    const double resolution = (smax - smin) / 100;
    m_y.Min->setText(FormatEng((11 * smin - smax) / 10, resolution));
    m_y.Max->setText(FormatEng((11 * smax - smin) / 10, resolution));
    autoClicked(m_y);
}

void TMathDlg::moveSelected(QListWidget &from, QListWidget &to)
{
    for (int i = from.count() - 1; i >= 0; --i)
        if (from.item(i)->isSelected())
            to.addItem(from.takeItem(i));
}

bool TMathDlg::CanClose()
{
    for (const Axis *a : {&m_x, &m_y})
        if (!CheckEngNumber(*a->Min) || !CheckEngNumber(*a->Max) ||
            (!a->Auto->isChecked() && !CheckEngNumber(*a->Pas)))
            return false;
    for (const Axis *a : {&m_x, &m_y})
        if (a->Log->isChecked() && !CheckLogScale(*a->Min, *a->Max))
            return false;
    return true;
}

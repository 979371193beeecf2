#include "dialogs/GraphStyleTabs.h"

#include "dialogs/ColorSwatch.h"
#include "dialogs/DialogFrame.h"
#include "dialogs/Prompts.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/UnitLabel.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

namespace
{

const std::array<TControlRow, 3> axeRows{{
    {TControlKind::Spin, "SEEpaisAxe", "Epaisseur :", nullptr, 1, 10},
    {TControlKind::Color, "PColorAxe", "Couleur :"},
    {TControlKind::Button, "BFontGrad", "Fonte des graduation"},
}};
const std::array<TControlRow, 2> quadriRows{{
    {TControlKind::Spin, "SEEpaisQuadri", "Epaisseur :", nullptr, 1, 10},
    {TControlKind::Color, "PColorQuadri", "Couleur :"},
}};
const std::array<TControlRow, 2> gridBoxRows{{
    {TControlKind::Check, "CBQuadriHor", "Horizontal"},
    {TControlKind::Check, "CBQuadriver", "Vertical"},
}};
// The last row, on the screen's tab only.
const std::array<TControlRow, 6> hauteurRows{{
    {TControlKind::Spin, "SEHeight", "Hauteur :", nullptr, 100, 100000},
    {TControlKind::Spin, "SEWidth", "Largeur :"},
    {TControlKind::Text, "Label16", "Pour modifier la largeur des graphiques"},
    {TControlKind::Text, "Label17", "utiliser la propriété Largeur dans la  définition"},
    {TControlKind::Text, "Label18", "de la page."},
    {TControlKind::Text, "Label19", "La hauteur estt égale à 4/5eme de la largeur"},
}};

QGroupBox *group(QWidget &page, const char *name, const QString &title)
{
    auto *box = new QGroupBox(title, &page);
    box->setObjectName(QString::fromLatin1(name));
    page.layout()->addWidget(box);
    return box;
}

} // namespace

TGraphStyleTabs::TGraphStyleTabs(TDialogFrame &dialog, Kind kind) : m_dialog(dialog)
{
    addQuadrillageTab(kind);
    addHauteurTab(kind);
    QObject::connect(&dialog.Control<QPushButton>("BFontGrad"), &QPushButton::clicked,
                     &dialog, [this] { prompts().ChooseFont(&m_dialog, m_font); });
}

void TGraphStyleTabs::addQuadrillageTab(Kind kind)
{
    auto *page = new QWidget(&m_dialog.PageControl());
    page->setObjectName(QStringLiteral("TSQuadrillage"));
    new QVBoxLayout(page);
    TDialogFrame::AddRows(*group(*page, "GBAxe", QStringLiteral("Axe")), axeRows);
    QGroupBox *grid = group(*page, "GBQuadrillage", QStringLiteral("Quadrillage"));
    if (kind == Kind::Math) {
        auto *inner = new QVBoxLayout(grid);
        auto *boxes = new QWidget(grid);
        auto *styles = new QWidget(grid);
        TDialogFrame::AddRows(*boxes, gridBoxRows);
        TDialogFrame::AddRows(*styles, quadriRows);
        inner->addWidget(boxes);
        inner->addWidget(styles);
    } else {
        TDialogFrame::AddRows(*grid, quadriRows);
    }
    m_dialog.PageControl().addTab(page, QStringLiteral("Quadrillage"));
}

void TGraphStyleTabs::addHauteurTab(Kind kind)
{
    m_dialog.AddTab("TSHauteur", QStringLiteral("Hauteur"),
                    std::span(hauteurRows).first(kind == Kind::Osc ? 6 : 5));
    for (const char *name : {"SEHeight", "SEWidth"}) {
        auto &spin = m_dialog.Control<TSpinEdit>(name);
        AddUnitLabel(spin, QStringLiteral("Points"));
        spin.setReadOnly(kind == Kind::Osc || spin.objectName() == QLatin1String("SEWidth"));
    }
}

void TGraphStyleTabs::Fill(const TGraphStyle &style)
{
    m_dialog.Control<TSpinEdit>("SEEpaisAxe").SetValue(style.EpaisAxe);
    m_dialog.Control<TColorSwatch>("PColorAxe").SetColor(style.ColorAxe);
    m_font = style.FontGrad;
    m_dialog.Control<TSpinEdit>("SEEpaisQuadri").SetValue(style.EpaisQuadri);
    m_dialog.Control<TColorSwatch>("PColorQuadri").SetColor(style.ColorQuadri);
    m_dialog.Control<TSpinEdit>("SEHeight").SetValue(style.Height);
    m_dialog.Control<TSpinEdit>("SEWidth").SetValue(style.Width);
}

TGraphStyle TGraphStyleTabs::Read() const
{
    TGraphStyle s;
    s.EpaisAxe = m_dialog.Control<TSpinEdit>("SEEpaisAxe").Value();
    s.ColorAxe = m_dialog.Control<TColorSwatch>("PColorAxe").Color();
    s.FontGrad = m_font;
    s.EpaisQuadri = m_dialog.Control<TSpinEdit>("SEEpaisQuadri").Value();
    s.ColorQuadri = m_dialog.Control<TColorSwatch>("PColorQuadri").Color();
    s.Height = m_dialog.Control<TSpinEdit>("SEHeight").Value();
    s.Width = m_dialog.Control<TSpinEdit>("SEWidth").Value();
    return s;
}

#include "app/MainActions.h"
#include "app/ActionIcons.h"
#include <QAction>
#include <QKeySequence>
#include <QWidget>
#include <array>

namespace
{

struct ActionRow {
    QAction *TMainActions::*member;
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;
    int shortcut; // Qt key combination, 0 for none
    bool enabled;
    bool hasIcon;
};

constexpr int ctrl = int(Qt::CTRL);

// clang-format off
const std::array<ActionRow, 25> rows{{
    {&TMainActions::Load, "Load", "Fichier", "&Ouvrir", "Ouvrir un fichier", ctrl | Qt::Key_O, true, true},
    {&TMainActions::Save, "Save", "Fichier", "&Enregistrer", "Enregistrer un fichier", ctrl | Qt::Key_S, true, true},
    {&TMainActions::SaveAs, "SaveAs", "Fichier", "Enregistrer &sous", "Enregistrer un fichier sous un autre nom", 0, true, false},
    {&TMainActions::ImportFile, "ImportFile", "Fichier", "Importer un &fichier…", "Importer les courbes d'un fichier de simulation ou de mesure", 0, true, false},
    {&TMainActions::Isis, "Isis", "Fichier", "Importer depuis &Isis", "Importer un graphique depuis Isis", 0, true, true},
    {&TMainActions::TDS, "TDS", "Fichier", "Importer depuis &TDS", "Importer un graphique depuis un oscilloscope TDS", 0, true, true},
    {&TMainActions::WMF, "WMF", "Fichier", "Exporter &MetaFile", "Exporter un graphique en WMF", 0, true, false},
    {&TMainActions::Copier, "Copier", "Edition", "&Copier dans le presse papier", "Copier dans le presse papier", ctrl | Qt::Key_C, true, true},
    {&TMainActions::ZoomIn, "ZoomIn", "Affichage", "&Agrandir", "Zoom avant", 0, true, true},
    {&TMainActions::ZoomOut, "ZoomOut", "Affichage", "&Réduire", "Zoom arrière", 0, false, true},
    {&TMainActions::ZoomFull, "ZoomFull", "Affichage", "&Plein écran", "Plein écran", 0, false, true},
    {&TMainActions::AddGraph, "AddGraph", "Graphe", "Ajouter graphe", "Ajouter un graphe", 0, false, true},
    {&TMainActions::DeleteGraph, "DeleteGraph", "Graphe", "&Supprimer graphe", "Supprimer un graphe", 0, false, true},
    {&TMainActions::AddTexte, "AddTexte", "Add", "&Texte", "Ajouter du texte", 0, true, true},
    {&TMainActions::AddLine, "AddLine", "Add", "&Ligne", "Ajouter une ligne", 0, true, true},
    {&TMainActions::AddArrow, "AddArrow", "Add", "&Flèche", "Ajouter une flèche", 0, true, true},
    {&TMainActions::AddRecta, "AddRecta", "Add", "&Rectangle", "Ajouter un rectangle", 0, true, true},
    {&TMainActions::AddCircle, "AddCircle", "Add", "&Cercle", "Ajouter un cercle", 0, true, true},
    {&TMainActions::AddHMarker, "AddHMarker", "Add", "Marqueur &horizontal", "Ajouter un marqueur horizontal", 0, true, true},
    {&TMainActions::AddVMarker, "AddVMarker", "Add", "Marqueur &vertical", "Ajouter un marqueur vertical", 0, true, true},
    {&TMainActions::AddDelete, "AddDelete", "Add", "&Supprimer", "Supprimer un dessin", Qt::Key_Delete, false, true},
    {&TMainActions::DrawUp, "DrawUp", "Add", "Avant &plan", "Passer un dessin au premier plan", 0, false, true},
    {&TMainActions::DrawDown, "DrawDown", "Add", "Arrière pla&n", "Passe un dessin en arrière plan", 0, false, true},
    {&TMainActions::HelpAbout, "HelpAbout", "Help", "A &propos...", "", 0, true, true},
    {&TMainActions::Help, "Help", "Help", "Rubrique d'aide", "", Qt::Key_F1, true, false},
}};
// clang-format on

} // namespace

QList<QAction *> TMainActions::All() const
{
    QList<QAction *> all;
    for (const ActionRow &row : rows)
        all << this->*row.member;
    return all;
}

TMainActions CreateMainActions(QWidget *owner)
{
    TMainActions actions;
    for (const ActionRow &row : rows) {
        auto *action = new QAction(QString::fromUtf8(row.caption), owner);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setProperty("category", QString::fromLatin1(row.category));
        const QString hint = QString::fromUtf8(row.hint);
        if (!hint.isEmpty())
            action->setToolTip(hint);
        if (row.shortcut != 0)
            action->setShortcut(QKeySequence(row.shortcut));
        action->setEnabled(row.enabled);
        if (row.hasIcon)
            action->setIcon(ActionIcon(QString::fromLatin1(row.name)));
        owner->addAction(action);
        actions.*row.member = action;
    }
    return actions;
}

#include "app/MainMenu.h"
#include "app/MainActions.h"
#include "app/RecentFilesMenu.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace
{

QMenu *AddMenu(QMenuBar *bar, const char *objectName, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QAction *AddToggle(QMenu *menu, const char *objectName, const QString &text)
{
    QAction *toggle = menu->addAction(text);
    toggle->setObjectName(QString::fromLatin1(objectName));
    toggle->setCheckable(true);
    toggle->setChecked(true);
    return toggle;
}

} // namespace

TMenuItems BuildMainMenu(QMenuBar *bar, const TMainActions &a)
{
    TMenuItems items;

    QMenu *fichier = AddMenu(bar, "Fichier", QStringLiteral("&Fichier"));
    fichier->addActions({a.Load, a.Save, a.SaveAs});
    items.FichiersRecents = new TRecentFilesMenu(fichier);
    fichier->addMenu(items.FichiersRecents);
    fichier->addSeparator();
    fichier->addActions({a.ImportFile, a.Isis, a.TDS});
    fichier->addSeparator();
    fichier->addAction(a.WMF);

    items.Edition = AddMenu(bar, "Edition", QStringLiteral("&Edition"));
    items.Edition->addAction(a.Copier);

    QMenu *affichage = AddMenu(bar, "Affichage", QStringLiteral("&Affichage"));
    affichage->addActions({a.ZoomIn, a.ZoomOut, a.ZoomFull});
    affichage->addSeparator();
    QMenu *boites = affichage->addMenu(QStringLiteral("&Boites d'outils"));
    boites->setObjectName(QStringLiteral("BoitesOutils"));
    items.Standard = AddToggle(boites, "Standard", QStringLiteral("&Standard"));
    items.MiseEnForme = AddToggle(boites, "MiseEnForme", QStringLiteral("&Mise en forme"));

    QMenu *graphe = AddMenu(bar, "Graphe", QStringLiteral("&Graphe"));
    graphe->addActions({a.AddGraph, a.DeleteGraph});
    graphe->addSeparator();
    items.DefinitionPage = graphe->addAction(QStringLiteral("Définition de la &page…"));
    items.DefinitionPage->setObjectName(QStringLiteral("DefinitionPage"));

    QMenu *dessin = AddMenu(bar, "Dessin", QStringLiteral("&Dessin"));
    dessin->addActions(
        {a.AddTexte, a.AddLine, a.AddArrow, a.AddRecta, a.AddCircle, a.AddHMarker, a.AddVMarker});
    dessin->addSeparator();
    dessin->addAction(a.AddDelete);
    dessin->addSeparator();
    dessin->addActions({a.DrawDown, a.DrawUp});

    QMenu *aide = AddMenu(bar, "Aide", QStringLiteral("&?"));
    aide->addAction(a.Help);
    aide->addSeparator();
    items.APropos = aide->addAction(QStringLiteral("A &propos..."));
    items.APropos->setObjectName(QStringLiteral("APropos"));
    return items;
}

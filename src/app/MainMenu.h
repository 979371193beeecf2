#pragma once
// The main menu: the actions in their menus, plus the menu's own items (the
// two tool bar toggles, the second way to the about box, the recent files).
class QAction;
class QMenu;
class QMenuBar;
struct TMainActions;
class TRecentFilesMenu;

struct TMenuItems {
    QAction *Standard = nullptr;    // "&Standard", checkable, checked
    QAction *MiseEnForme = nullptr; // "&Mise en forme", checkable, checked
    QAction *APropos = nullptr;     // "A &propos..."
    QAction *DefinitionPage = nullptr; // "Définition de la &page…", the page's dialog
    TRecentFilesMenu *FichiersRecents = nullptr;
    QMenu *Edition = nullptr;       // "&Edition"
};

TMenuItems BuildMainMenu(QMenuBar *bar, const TMainActions &actions);

#pragma once
// The main menu: the actions in their menus, plus the menu's own items (the
// two tool bar toggles and the second way to the about box).
class QAction;
class QMenuBar;
struct TMainActions;

struct TMenuItems {
    QAction *Standard = nullptr;    // "&Standard", checkable, checked
    QAction *MiseEnForme = nullptr; // "&Mise en forme", checkable, checked
    QAction *APropos = nullptr;     // "A &propos..."
};

TMenuItems BuildMainMenu(QMenuBar *bar, const TMainActions &actions);

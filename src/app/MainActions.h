#pragma once
// The main window's action list: every command but the two tool bar toggles.
// Each action's objectName() is its name, its "category" property its
// category; the hint is the tool tip.
#include <QList>

class QAction;
class QWidget;

struct TMainActions {
    QAction *Load = nullptr;
    QAction *Save = nullptr;
    QAction *SaveAs = nullptr;
    QAction *ImportFile = nullptr;
    QAction *Isis = nullptr;
    QAction *TDS = nullptr;
    QAction *WMF = nullptr;
    QAction *Copier = nullptr;
    QAction *ZoomIn = nullptr;
    QAction *ZoomOut = nullptr;
    QAction *ZoomFull = nullptr;
    QAction *AddGraph = nullptr;
    QAction *DeleteGraph = nullptr;
    QAction *AddTexte = nullptr;
    QAction *AddLine = nullptr;
    QAction *AddArrow = nullptr;
    QAction *AddRecta = nullptr;
    QAction *AddCircle = nullptr;
    QAction *AddHMarker = nullptr;
    QAction *AddVMarker = nullptr;
    QAction *AddDelete = nullptr;
    QAction *DrawUp = nullptr;
    QAction *DrawDown = nullptr;
    QAction *HelpAbout = nullptr;
    QAction *Help = nullptr;

    // In the order of the list above.
    QList<QAction *> All() const;
};

// Creates the actions in their initial state, owned by and added to owner
// (so that their shortcuts work wherever the focus is in the window).
TMainActions CreateMainActions(QWidget *owner);

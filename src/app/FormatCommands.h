#pragma once
// The formatting tool bar at work: it shows the page's current style, takes
// the style of each newly selected annotation, and writes a change of colour,
// thickness, font name or size into the current style and the selection.
// Once a value is applied from a box that has the keyboard, the keyboard
// goes back to the page, so that the page's commands act on the selection.
// The selection also decides which element commands are enabled.
#include "app/MainActions.h"
#include "data/TColor.h"
#include <QObject>

class QWidget;
class TDessin;
class TFormatToolBar;
class TIsisGraph;

class TFormatCommands : public QObject
{
    Q_OBJECT
public:
    TFormatCommands(const TMainActions &actions, TIsisGraph &view, TFormatToolBar &bar,
                    QObject *parent = nullptr);

    // True only while the bar is filled from the current style.
    bool Updating = false;

private:
    void SelectedChange(TDessin *p);
    // Shows the page's current style in the bar.
    void ShowStyle();
    // The colour chosen on the bar's swatch.
    void ApplyColor(TColor color);
    void ApplyFontName(const QString &name);
    // Runs change on the current style and on the selection, if any; the
    // page is redrawn when something is selected. Nothing while Updating.
    template <class Change> void Apply(Change change);
    // After a value of control was applied or confirmed with Return.
    void GiveBackKeyboard(const QWidget *control);

    const TMainActions &m_actions;
    TIsisGraph &m_view;
    TFormatToolBar &m_bar;
};

#pragma once
// The application window TForm1: the page view with its tool bars, menus,
// scroll bars and status bar, the zoom and scroll commands, help and about.
#include "app/MainActions.h"
#include "app/MainMenu.h"
#include <QMainWindow>

class QScrollBar;
class TAxe;
class TAboutBox;
class TEditingTools;
class TFormatToolBar;
class TIsisGraph;
class TStandardToolBar;
class TStatusPanels;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    static constexpr int InitialWidth = 573;
    static constexpr int InitialHeight = 480;

    TIsisGraph *IsisGraph() const { return m_isisGraph; }
    const TMainActions &Actions() const { return m_actions; }

    // Brings the zoom-dependent controls up to date with the page view.
    void RefreshView();

    // The file named on the command line (a double-click on a document);
    // an opened document joins the recent files.
    void OpenCommandLineFile(const QString &fileName);

    TEditingTools &Tools() const { return *m_tools; }

protected:
    // Tool bars are shown and hidden through the menu only.
    QMenu *createPopupMenu() override { return nullptr; }
    // Unsaved changes are offered for saving first; cancelling keeps the window.
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void BuildClientArea();
    void ConnectCommands();
    // What follows the page's state after each change, undo, save or new
    // page: the caption's modified mark and the page commands' availability.
    void RefreshPageState();
    void PlaceAtRandom();
    // A file dropped on the window or picked among the recent files.
    void OpenFile(const QString &fileName);
    void RequestZoom(int z);
    // RefreshView without the zoom's status panel.
    void RefreshZoomControls();
    void Scrolled();
    void PageMouseMove(int x, int y);
    // The status readings for where the mouse now is, after the page, the
    // zoom or the offsets changed under it.
    void RefreshReadings();
    void ShowReadings(const TAxe *graph, QPoint at);
    void SetBarRange(QScrollBar *bar, int maximum, int zoom, int step);

    TMainActions m_actions;
    TMenuItems m_menuItems;
    TStandardToolBar *m_toolBar1 = nullptr;
    TFormatToolBar *m_tbAspect = nullptr;
    TIsisGraph *m_isisGraph = nullptr;
    QScrollBar *m_scrollBar1 = nullptr; // horizontal
    QScrollBar *m_scrollBar2 = nullptr; // vertical
    TStatusPanels *m_statusBar1 = nullptr;
    TAboutBox *m_aboutBox = nullptr;
    TEditingTools *m_tools = nullptr;
};

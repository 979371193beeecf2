#include "app/UIsis2Graph.h"
#include "app/About.h"
#include "app/ActionIcons.h"
#include "app/EditingTools.h"
#include "app/FileCommands.h"
#include "app/FormatCommands.h"
#include "app/FormatToolBar.h"
#include "app/GivenFile.h"
#include "app/HelpCommand.h"
#include "app/ImportCommand.h"
#include "app/IsisCommand.h"
#include "app/MetafileCommands.h"
#include "app/PageNavigation.h"
#include "app/RecentFilesMenu.h"
#include "app/StandardToolBar.h"
#include "app/StatusPanels.h"
#include "app/TdsCommand.h"
#include "app/UndoCommands.h"
#include "app/WindowPlacement.h"
#include "data/SystemFileName.h"
#include "data/TDatas.h"
#include "dialogs/Prompts.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    InitAppResources();
    setObjectName(QStringLiteral("Form1"));
    // "[*]": where the window shows that the page has unsaved changes.
    setWindowTitle(QStringLiteral("Scolivet :[*]"));
    setWindowIcon(ResourceIcon(QStringLiteral(":/app/Scolivet.svg"), {16, 32, 48, 64}));
    // A compact sans-serif face, so that the formatting tool bar fits the
    // initial width; the window's dialogs take it too.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setAttribute(Qt::WA_WindowPropagation);

    m_actions = CreateMainActions(this);
    m_menuItems = BuildMainMenu(menuBar(), m_actions);

    m_toolBar1 = new TStandardToolBar(m_actions, this);
    addToolBar(Qt::TopToolBarArea, m_toolBar1);
    addToolBarBreak(Qt::TopToolBarArea);
    m_tbAspect = new TFormatToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_tbAspect);

    BuildClientArea();
    setAcceptDrops(true);
    m_statusBar1 = new TStatusPanels(this);
    setStatusBar(m_statusBar1);

    m_aboutBox = new TAboutBox(this);
    m_tools = new TEditingTools(m_actions, *m_isisGraph, [this] { RefreshView(); }, this);
    new TFormatCommands(m_actions, *m_isisGraph, *m_tbAspect, this);
    new TUndoCommands(m_actions, *m_isisGraph, *m_tools, *m_menuItems.Edition, m_actions.Copier,
                      [this] { RefreshView(); }, this);
    ConnectCommands();
    RefreshPageState();

    resize(InitialWidth, InitialHeight);
    PlaceAtRandom();
    // The keyboard starts on the page, where Del, Ctrl+C and Ctrl+Z act.
    m_isisGraph->setFocus();
}

TForm1::~TForm1() = default;

namespace
{

QString DroppedFile(const QMimeData &data)
{
    for (const QUrl &url : data.urls()) {
        if (QString file = LocalFileOfUrl(url); !file.isEmpty())
            return file;
    }
    return {};
}

} // namespace

void TForm1::BuildClientArea()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto *grid = new QGridLayout(client);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_isisGraph = new TIsisGraph(client);
    m_isisGraph->setObjectName(QStringLiteral("IsisGraph"));
    m_scrollBar2 = new QScrollBar(Qt::Vertical, client);
    m_scrollBar2->setObjectName(QStringLiteral("ScrollBar2"));
    m_scrollBar1 = new QScrollBar(Qt::Horizontal, client);
    m_scrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    for (QScrollBar *bar : {m_scrollBar1, m_scrollBar2}) {
        bar->setRange(0, 0);
        bar->hide();
    }

    grid->addWidget(m_isisGraph, 0, 0);
    grid->addWidget(m_scrollBar2, 0, 1);
    grid->addWidget(m_scrollBar1, 1, 0);
    setCentralWidget(client);
}

void TForm1::ConnectCommands()
{
    const TMainActions &a = m_actions;
    connect(a.ZoomIn, &QAction::triggered, this, [this] { RequestZoom(m_isisGraph->Zoom() * 2); });
    connect(a.ZoomOut, &QAction::triggered, this, [this] { RequestZoom(m_isisGraph->Zoom() / 2); });
    connect(a.ZoomFull, &QAction::triggered, this, [this] { RequestZoom(1); });
    connect(a.Help, &QAction::triggered, this, [this] { ShowHelp(*this); });
    connect(m_menuItems.DefinitionPage, &QAction::triggered, this, [this] {
        m_isisGraph->EditPage();
        m_isisGraph->Redraw();
        RefreshView();
    });
    connect(m_isisGraph, &TIsisGraph::HistoryChange, this, &TForm1::RefreshPageState);
    for (QAction *about : {a.HelpAbout, m_menuItems.APropos})
        connect(about, &QAction::triggered, this, [this] { prompts().Exec(*m_aboutBox); });

    connect(m_menuItems.Standard, &QAction::toggled, m_toolBar1, &QWidget::setVisible);
    connect(m_menuItems.MiseEnForme, &QAction::toggled, m_tbAspect, &QWidget::setVisible);

    for (QScrollBar *bar : {m_scrollBar1, m_scrollBar2})
        connect(bar, &QScrollBar::valueChanged, this, &TForm1::Scrolled);
    connect(m_isisGraph, &TGraphEMF::MouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) { PageMouseMove(x, y); });
    connect(m_isisGraph, &TGraphEMF::PageChanged, this, &TForm1::RefreshReadings);
    connect(m_isisGraph, &TGraphEMF::Resized, this,
            [this](bool zoomChanged) { zoomChanged ? RefreshView() : RefreshZoomControls(); });
    new TPageNavigation(*m_isisGraph, {m_scrollBar1, m_scrollBar2, a.ZoomIn, a.ZoomOut});

    // Every document opened or saved, whatever the command, joins the recent files.
    connect(m_isisGraph, &TIsisGraph::DocumentNamed, m_menuItems.FichiersRecents,
            &TRecentFilesMenu::Add);
    connect(a.Load, &QAction::triggered, this, [this] {
        LoadCommand(*this, *m_isisGraph, *m_actions.AddGraph, [this] { RefreshView(); });
    });
    connect(a.Save, &QAction::triggered, this, [this] { SaveCommand(*this, *m_isisGraph); });
    connect(a.SaveAs, &QAction::triggered, this, [this] { SaveAsCommand(*this, *m_isisGraph); });
    connect(m_menuItems.FichiersRecents, &TRecentFilesMenu::OpenRequested, this, &TForm1::OpenFile);
    connect(a.ImportFile, &QAction::triggered, this, [this] {
        ImportCommand(*this, *m_isisGraph, *m_actions.AddGraph, [this] { RefreshView(); });
    });
    connect(a.Isis, &QAction::triggered, this, [this] {
        IsisCommand(*this, *m_isisGraph, *m_actions.AddGraph, [this] { RefreshView(); });
    });
    connect(a.WMF, &QAction::triggered, this, [this] { WmfCommand(*this, *m_isisGraph); });
    connect(a.Copier, &QAction::triggered, this, [this] { CopierCommand(*m_isisGraph); });
    connect(a.TDS, &QAction::triggered, this, [this] {
        TdsCommand(*this, *m_isisGraph, *m_actions.AddGraph, [this] { RefreshView(); });
    });
}

void TForm1::RefreshPageState()
{
    setWindowModified(m_isisGraph->Modified());
    // However the page came (a command, a double-click, the command line),
    // graphs can be added once it has series.
    if (m_isisGraph->Datas->Count() > 0)
        m_actions.AddGraph->setEnabled(true);
    m_menuItems.DefinitionPage->setEnabled(m_isisGraph->GraphCount() > 0);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (SaveChangesFirst(*this, *m_isisGraph))
        event->accept();
    else
        event->ignore();
}

void TForm1::OpenCommandLineFile(const QString &fileName)
{
    // A page recovered at start is offered for saving first.
    if (m_isisGraph->Modified())
        return OpenFile(fileName);
    OpenStartupFile(
        *this, *m_isisGraph, *m_actions.AddGraph, [this] { RefreshView(); }, fileName);
}

void TForm1::OpenFile(const QString &fileName)
{
    OpenGivenFile(*this, *m_isisGraph, *m_actions.AddGraph, [this] { RefreshView(); }, fileName);
}

// A document or any importable file dropped on the window opens as if picked
// in a file dialog; of several files, the first is taken.
void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFile(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *event)
{
    const QString fileName = DroppedFile(*event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFile(fileName);
}

void TForm1::PlaceAtRandom()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is not known before the window is shown: a title bar's
    // height stands for it.
    const QSize frame(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QRect placed =
        InitialWindowRect(screen->availableGeometry(), size(), frame,
                          [](int n) { return int(QRandomGenerator::global()->bounded(n)); });
    move(placed.topLeft());
    resize(placed.size());
}

void TForm1::RequestZoom(int z)
{
    m_isisGraph->SetZoom(z);
    RefreshView();
}

void TForm1::RefreshView()
{
    RefreshZoomControls();
    m_statusBar1->SetPanelText(0, QStringLiteral("Zoom : %1").arg(m_isisGraph->Zoom()));
}

void TForm1::RefreshZoomControls()
{
    const int z = m_isisGraph->Zoom();
    const bool zoomed = z != 1;
    m_actions.ZoomOut->setEnabled(zoomed);
    m_actions.ZoomFull->setEnabled(zoomed);
    m_scrollBar1->setVisible(zoomed);
    m_scrollBar2->setVisible(zoomed);
    m_actions.ZoomIn->setEnabled(z != m_isisGraph->MaxZoom());

    // An arrow of a bar moves the page by a few pixels, not by a page unit.
    const int step = std::max(1, int(TPageNavigation::StepPixels * m_isisGraph->Scale() / z));
    SetBarRange(m_scrollBar1, m_isisGraph->MaxXOffset(), z, step);
    SetBarRange(m_scrollBar2, m_isisGraph->MaxYOffset(), z, step);
    // A bar whose value did not move reports nothing: the offsets must
    // still follow the bars (all zero at zoom 1).
    Scrolled();
}

void TForm1::SetBarRange(QScrollBar *bar, int maximum, int zoom, int step)
{
    bar->setRange(-maximum, maximum);
    bar->setPageStep(maximum / zoom);
    bar->setSingleStep(step);
}

void TForm1::Scrolled()
{
    m_isisGraph->SetXOffset(m_scrollBar1->value());
    m_isisGraph->SetYOffset(m_scrollBar2->value());
    m_isisGraph->update();
    RefreshReadings();
}

void TForm1::RefreshReadings()
{
    const QPoint at = m_isisGraph->mapFromGlobal(QCursor::pos());
    if (m_isisGraph->rect().contains(at))
        PageMouseMove(at.x(), at.y());
    else
        ShowReadings(nullptr, {});
}

void TForm1::PageMouseMove(int x, int y)
{
    ShowReadings(m_isisGraph->Graphs(m_isisGraph->GraphIndexAtScreen(x, y)), QPoint(x, y));
}

void TForm1::ShowReadings(const TAxe *graph, QPoint at)
{
    if (!graph) {
        m_statusBar1->SetPanelText(1, QStringLiteral("X :"));
        m_statusBar1->SetPanelText(2, QStringLiteral("Y :"));
        return;
    }
    m_statusBar1->SetPanelText(1, QStringLiteral("X : ") + graph->CursorXText(at.x()));
    m_statusBar1->SetPanelText(2, QStringLiteral("Y : ") + graph->CursorYText(at.y()));
}

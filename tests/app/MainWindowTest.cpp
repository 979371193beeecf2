// The real main window, offscreen: controls, actions, zoom, scrolling,
// tool bars, help and about.
#include "app/StatusPanels.h"
#include "app/UIsis2Graph.h"
#include "data/EngNumbers.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include "support/SampleFiles.h"
#include "support/ScriptedPrompts.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace
{

class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->show();
        Settle();
    }

    // Lets pending layout and resize events run.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    template <typename T> T *Find(const char *name) const
    {
        T *child = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QAction *Action(const char *name) const { return Find<QAction>(name); }
    TIsisGraph *View() const { return form->IsisGraph(); }
    QString Panel(int i) const { return Find<TStatusPanels>("StatusBar1")->PanelText(i); }

    // The page view at the size the zoom examples use.
    void UseExampleViewSize()
    {
        View()->setFixedSize(1007, 707);
        Settle();
        ASSERT_EQ(View()->size(), QSize(1007, 707));
        ASSERT_EQ(View()->MaxZoom(), 6);
    }

    void ExpectZoomed(bool zoomed)
    {
        EXPECT_EQ(Action("ZoomOut")->isEnabled(), zoomed);
        EXPECT_EQ(Action("ZoomFull")->isEnabled(), zoomed);
        EXPECT_EQ(Find<QScrollBar>("ScrollBar1")->isVisible(), zoomed);
        EXPECT_EQ(Find<QScrollBar>("ScrollBar2")->isVisible(), zoomed);
    }

    ScriptedPrompts scripted;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, StartsWithItsCaptionSizeAndPanels)
{
    EXPECT_EQ(form->windowHandle()->title(), QStringLiteral("Scolivet :"));
    EXPECT_EQ(form->size(), QSize(573, 480));
    EXPECT_EQ(Panel(0), QStringLiteral("Zoom :"));
    EXPECT_EQ(Panel(1), QStringLiteral("X :"));
    EXPECT_EQ(Panel(2), QStringLiteral("Y :"));
    for (const char *name : {"Panel0", "Panel1"})
        EXPECT_EQ(Find<QWidget>(name)->width(), 150) << name;
    // The Y panel holds one reading per channel of an oscilloscope screen.
    auto *y = Find<QLabel>("Panel2");
    y->setText(QStringLiteral("Y : CH1(-1,2312V)  CH2(307,50mV)"));
    EXPECT_LE(y->fontMetrics().horizontalAdvance(y->text()), y->contentsRect().width());
    ExpectZoomed(false);
    for (const char *name : {"AddGraph", "DeleteGraph", "AddDelete", "DrawUp", "DrawDown"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;

    // Tool bars on their own rows above the page view, page view above the status bar.
    auto *bar1 = Find<QToolBar>("ToolBar1");
    auto *aspect = Find<QToolBar>("TBAspect");
    EXPECT_EQ(bar1->height(), 29);
    EXPECT_EQ(aspect->height(), 29);
    EXPECT_LT(bar1->y(), aspect->y());
    const QPoint viewTop = View()->mapTo(form.get(), QPoint(0, 0));
    EXPECT_GE(viewTop.y(), aspect->y() + aspect->height());
    EXPECT_EQ(View()->width(), form->width());
}

// The widgets of a tool bar from left to right, by object name.
QStringList ButtonOrder(const QToolBar *bar)
{
    QList<QWidget *> widgets;
    for (QWidget *w : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisible() && w->height() > 0 && w->objectName() != "qt_toolbar_ext_button")
            widgets << w;
    }
    std::sort(widgets.begin(), widgets.end(),
              [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
    QStringList names;
    for (const QWidget *w : widgets)
        names << (w->objectName().isEmpty() ? QStringLiteral("|%1").arg(w->width())
                                            : w->objectName());
    return names;
}

TEST_F(MainWindowTest, StandardToolBarButtonsAndSeparators)
{
    form->resize(1000, 480);
    Settle();
    // "|8": a separator 8 pixels wide.
    const QStringList expected =
        QStringLiteral("LoadButton SaveButton |8 IsisButton TDSButton CopierButton |8 "
                       "ZoomInButton ZoomOutButton ZoomFullButton |8 AddGraphButton "
                       "DeleteGraphButton |8 AddTexteButton AddLineButton AddArrowButton "
                       "AddRectaButton AddCircleButton AddHMarkerButton AddVMarkerButton "
                       "AddDeleteButton |8 DrawDownButton DrawUpButton ToolButton25 "
                       "HelpAboutButton")
            .split(QLatin1Char(' '));
    EXPECT_EQ(ButtonOrder(Find<QToolBar>("ToolBar1")), expected);
    EXPECT_EQ(Find<QToolButton>("LoadButton")->width(), 23);
    EXPECT_EQ(Find<QToolButton>("HelpAboutButton")->width(), 23);
}

TEST_F(MainWindowTest, StretchableSeparatorKeepsHelpAboutAtTheRightEnd)
{
    auto *bar = Find<QToolBar>("ToolBar1");
    auto *stretch = Find<QWidget>("ToolButton25");
    auto *help = Find<QWidget>("HelpAboutButton");
    for (int width : {700, 1000, 1280, 640}) {
        form->resize(width, 480);
        Settle();
        SCOPED_TRACE(width);
        EXPECT_GT(stretch->width(), 23);
        EXPECT_EQ(help->x() + help->width(), bar->width());
    }
}

TEST_F(MainWindowTest, FormattingToolBarControls)
{
    auto *color = Find<QWidget>("PColor");
    EXPECT_EQ(color->grab().toImage().pixelColor(color->rect().center()), QColor(Qt::black));

    // The current style from the start.
    EXPECT_EQ(Find<QSpinBox>("SEEpais")->value(), 4);
    EXPECT_EQ(Find<QSpinBox>("SEFontSize")->value(), 30);

    // The system's families, without foundry tags.
    auto *fonts = Find<QComboBox>("CBFontName");
    EXPECT_GE(fonts->findText(QStringLiteral("Liberation Serif")), 0);
    EXPECT_EQ(fonts->currentText(), QStringLiteral("Times New Roman"));
}

TEST_F(MainWindowTest, ZoomWalksUpToMaxZoomAndBack)
{
    UseExampleViewSize();
    QAction *zoomIn = Action("ZoomIn");
    for (int expected : {2, 4, 6}) {
        zoomIn->trigger();
        EXPECT_EQ(View()->Zoom(), expected);
        EXPECT_EQ(Panel(0), QStringLiteral("Zoom : %1").arg(expected));
        ExpectZoomed(true);
    }
    EXPECT_FALSE(zoomIn->isEnabled());

    Action("ZoomOut")->trigger();
    EXPECT_EQ(View()->Zoom(), 3);
    EXPECT_TRUE(zoomIn->isEnabled());
    EXPECT_EQ(Panel(0), QStringLiteral("Zoom : 3"));

    Action("ZoomOut")->trigger();
    EXPECT_EQ(View()->Zoom(), 1);
    ExpectZoomed(false);
    EXPECT_EQ(Panel(0), QStringLiteral("Zoom : 1"));
}

TEST_F(MainWindowTest, ScrollBarsFollowTheOffsetRanges)
{
    UseExampleViewSize();
    Action("ZoomIn")->trigger();
    auto *h = Find<QScrollBar>("ScrollBar1");
    auto *v = Find<QScrollBar>("ScrollBar2");
    EXPECT_EQ(h->maximum(), 750);
    EXPECT_EQ(h->minimum(), -750);
    EXPECT_EQ(h->pageStep(), 375);
    EXPECT_EQ(v->maximum(), 500);
    EXPECT_EQ(v->minimum(), -500);
    EXPECT_EQ(v->pageStep(), 250);

    h->setValue(600);
    v->setValue(-400);
    EXPECT_EQ(View()->XOffset(), 600);
    EXPECT_EQ(View()->YOffset(), -400);

    // Zooming in keeps the offsets; zooming back to 2 pulls them into range.
    Action("ZoomIn")->trigger();
    h->setValue(1100);
    EXPECT_EQ(View()->XOffset(), 1100);
    Action("ZoomOut")->trigger();
    EXPECT_EQ(View()->Zoom(), 2);
    EXPECT_EQ(h->value(), 750);
    EXPECT_EQ(View()->XOffset(), 750);
    EXPECT_EQ(View()->YOffset(), -400);
}

TEST_F(MainWindowTest, ZoomFullCentresThePage)
{
    UseExampleViewSize();
    for (int i = 0; i < 2; ++i)
        Action("ZoomIn")->trigger();
    Find<QScrollBar>("ScrollBar1")->setValue(-900);
    Find<QScrollBar>("ScrollBar2")->setValue(700);
    ASSERT_NE(View()->XOffset(), 0);

    Action("ZoomFull")->trigger();
    EXPECT_EQ(View()->Zoom(), 1);
    EXPECT_EQ(View()->XOffset(), 0);
    EXPECT_EQ(View()->YOffset(), 0);
    ExpectZoomed(false);
    // The two middle pixels of the 1007-pixel control straddle the page centre.
    EXPECT_EQ(View()->PageX(503) + View()->PageX(504), 3000);
}

// Wheel turns of whole notches (positive: away from the user) at a point
// of the page view.
void Wheel(QWidget *view, QPoint at, int notches, Qt::KeyboardModifiers modifiers = {})
{
    QWheelEvent event(at, view->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

TEST_F(MainWindowTest, WheelAndKeysScrollThePageOnceClicked)
{
    UseExampleViewSize();
    Action("ZoomIn")->trigger();
    const QPoint middle(500, 300);
    Wheel(View(), middle, -1);
    EXPECT_GT(View()->YOffset(), 0);
    EXPECT_EQ(View()->XOffset(), 0);
    Wheel(View(), middle, -1, Qt::ShiftModifier);
    EXPECT_GT(View()->XOffset(), 0);

    form->activateWindow();
    QTest::mouseClick(View(), Qt::LeftButton, {}, middle);
    ASSERT_TRUE(View()->hasFocus());
    // An arrow moves the page by a few pixels, not by a page unit.
    const int before = View()->ScreenX(1500);
    QTest::keyClick(View(), Qt::Key_Left);
    EXPECT_GE(View()->ScreenX(1500) - before, 10);
    EXPECT_LE(View()->ScreenX(1500) - before, 40);
    QTest::keyClick(View(), Qt::Key_End);
    EXPECT_EQ(View()->YOffset(), View()->MaxYOffset());
    QTest::keyClick(View(), Qt::Key_PageUp);
    EXPECT_EQ(View()->YOffset(), View()->MaxYOffset() - View()->MaxYOffset() / 2);
    QTest::keyClick(View(), Qt::Key_Home);
    EXPECT_EQ(View()->YOffset(), -View()->MaxYOffset());
}

TEST_F(MainWindowTest, CtrlWheelZoomsAboutTheMouseWithinTheZoomRange)
{
    UseExampleViewSize();
    const QPoint at(800, 200);
    const QPoint page(View()->PageX(at.x()), View()->PageY(at.y()));
    Wheel(View(), at, 1, Qt::ControlModifier);
    EXPECT_EQ(View()->Zoom(), 2);
    EXPECT_EQ(Panel(0), QStringLiteral("Zoom : 2"));
    EXPECT_NEAR(View()->PageX(at.x()), page.x(), 2);
    EXPECT_NEAR(View()->PageY(at.y()), page.y(), 2);

    Wheel(View(), at, 5, Qt::ControlModifier);
    EXPECT_EQ(View()->Zoom(), 6);
    EXPECT_FALSE(Action("ZoomIn")->isEnabled());
    Wheel(View(), at, -1, Qt::ControlModifier);
    EXPECT_EQ(View()->Zoom(), 3);
}

TEST_F(MainWindowTest, ResizingReevaluatesTheZoomRange)
{
    UseExampleViewSize();
    for (int i = 0; i < 3; ++i)
        Action("ZoomIn")->trigger();
    ASSERT_EQ(View()->Zoom(), 6);
    View()->setFixedSize(1507, 1057); // a larger view allows less: MaxZoom 4
    Settle();
    EXPECT_EQ(View()->Zoom(), 4);
    EXPECT_EQ(Panel(0), QStringLiteral("Zoom : 4"));
    EXPECT_LE(Find<QScrollBar>("ScrollBar1")->maximum(), View()->MaxXOffset());
    EXPECT_FALSE(Action("ZoomIn")->isEnabled());

    View()->setFixedSize(1007, 707);
    Settle();
    EXPECT_TRUE(Action("ZoomIn")->isEnabled());
}

TEST_F(MainWindowTest, ToolBarTogglesShowAndHideTheirBars)
{
    const struct {
        const char *toggle;
        const char *bar;
    } cases[] = {{"Standard", "ToolBar1"}, {"MiseEnForme", "TBAspect"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.toggle);
        QAction *toggle = Action(c.toggle);
        auto *bar = Find<QToolBar>(c.bar);
        toggle->trigger();
        EXPECT_FALSE(toggle->isChecked());
        EXPECT_FALSE(bar->isVisible());
        toggle->trigger();
        EXPECT_TRUE(toggle->isChecked());
        EXPECT_TRUE(bar->isVisible());
    }
    EXPECT_EQ(static_cast<QMainWindow *>(form.get())->createPopupMenu(), nullptr);
}

TEST_F(MainWindowTest, BothAboutCommandsRunTheAboutBox)
{
    for (const char *command : {"HelpAbout", "APropos"}) {
        scripted.Dialogs.push_back([](QDialog &) { return int(QDialog::Accepted); });
        Action(command)->trigger();
    }
    EXPECT_EQ(scripted.ExecutedDialogs, QStringList({"AboutBox", "AboutBox"}));
    EXPECT_TRUE(scripted.Messages.empty());
}

// F1 opens the shipped help, which names every command of the menus and
// shows every picture it refers to.
TEST_F(MainWindowTest, HelpOpensOnF1AndDocumentsEveryMenuCommand)
{
    QTest::keyClick(form.get(), Qt::Key_F1);
    auto *help = form->findChild<QTextBrowser *>(QStringLiteral("HelpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Aide de Scolivet"));
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
    EXPECT_TRUE(scripted.Messages.empty());

    const QString text = help->toPlainText();
    int commands = 0;
    for (const QMenu *menu : form->menuBar()->findChildren<QMenu *>()) {
        if (menu->objectName() == QStringLiteral("FichiersRecents"))
            continue; // file names
        for (const QAction *action : menu->actions()) {
            const QString caption = QString(action->text()).remove(u'&');
            EXPECT_TRUE(action->isSeparator() || text.contains(caption)) << caption.toStdString();
            ++commands;
        }
    }
    EXPECT_GT(commands, 24);
    int pictures = 0;
    for (QTextBlock block = help->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QVariant bytes = help->loadResource(QTextDocument::ImageResource, QUrl(name));
            EXPECT_FALSE(QImage::fromData(bytes.toByteArray()).isNull()) << name.toStdString();
            ++pictures;
        }
    }
    EXPECT_GT(pictures, 0);
}

TEST_F(MainWindowTest, StatusPanelsReadTheValuesUnderTheMouse)
{
    QTemporaryDir dir;
    const auto import = [&](int xScale) {
        QByteArray ramp = "\"Time\",\"V(N1)\"\r\n";
        for (int i = 0; i <= 10; ++i)
            ramp += QByteArray::number(xScale * i) + "," + QByteArray::number(2 * i) + "\r\n";
        scripted.FileNames.push_back(WriteSampleFile(dir, QStringLiteral("rampe.dat"), ramp));
        Action("Isis")->trigger();
    };
    import(1);
    ASSERT_EQ(View()->GraphCount(), 1);
    const TAxe *graph = View()->Graphs(0);

    const auto moveTo = [&](double x, double y) {
        const QPoint at(View()->ScreenX(graph->XToPage(x)), View()->ScreenY(graph->YToPage(y)));
        QTest::mouseMove(View(), at);
    };
    const auto reading = [&](int panel, const char *prefix) {
        const QString text = Panel(panel);
        EXPECT_TRUE(text.startsWith(QString::fromLatin1(prefix))) << text.toStdString();
        return ParseEng(text.mid(4));
    };
    // Readings are as precise as a pixel allows: within a few percent of the range.
    moveTo(3, 16);
    EXPECT_NEAR(reading(1, "X : "), 3, 0.3);
    EXPECT_NEAR(reading(2, "Y : "), 16, 0.6);
    moveTo(8, 4);
    EXPECT_NEAR(reading(1, "X : "), 8, 0.3);
    EXPECT_NEAR(reading(2, "Y : "), 4, 0.6);

    // A new page under a still mouse: the readings follow it.
    QCursor::setPos(View()->mapToGlobal(QPoint(View()->ScreenX(graph->XToPage(8)),
                                               View()->ScreenY(graph->YToPage(4)))));
    import(10);
    EXPECT_NEAR(reading(1, "X : "), 80, 3);

    QTest::mouseMove(View(), QPoint(1, 1)); // outside the page
    EXPECT_EQ(Panel(1), QStringLiteral("X :"));
    EXPECT_EQ(Panel(2), QStringLiteral("Y :"));
}

} // namespace

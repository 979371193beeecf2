#include "support/GraphPageFixture.h"
#include "support/ScriptedPrompts.h"

#include "annotations/TLegende.h"
#include "data/EngNumbers.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include "graphs/TCourbe.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace
{

class GraphEditTest : public GraphPageFixture
{
protected:
    // An XY graph of t = 0..10 with V1 = 0..1 and V2 = -2..4 shown.
    TMath *xyGraph()
    {
        AddAnalog({0, 5, 10}, QStringLiteral("t"));
        AddAnalog({0, 1, 0.5}, QStringLiteral("V1"));
        AddAnalog({-2, 4, 0}, QStringLiteral("V2"));
        AddAnalog({0, 20, 30}, QStringLiteral("x"));
        auto *g = static_cast<TMath *>(page.AppendGraph(
            std::unique_ptr<TAxe>(TMath::CreateFromDatas(&page, {1, 2}, 0))));
        page.SetMFHeight(page.MFHeight());
        return g;
    }
    // Runs the graph's dialog through a script that ends by pressing OK.
    template <class Edited> void editWith(Edited &g, std::function<void(QDialog &)> script)
    {
        prompts.Dialogs.push_back([script](QDialog &d) {
            script(d);
            d.findChild<QPushButton *>("BOK")->click();
            return d.result();
        });
        g.Edit();
    }
    static QLineEdit &edit(QDialog &d, const char *name)
    {
        return *d.findChild<QLineEdit *>(name);
    }
    static std::vector<int> curves(const TAxe &g)
    {
        std::vector<int> out;
        for (TSmallGraph *e : g.Elements()) {
            if (auto *c = dynamic_cast<TCourbe *>(e))
                out.push_back(c->SerieIndex);
            else if (auto *l = dynamic_cast<TLegende *>(e); l && !l->IsAxeX)
                out.push_back(-l->Index);
        }
        return out;
    }

    ScriptedPrompts prompts;
};

TEST_F(GraphEditTest, MalformedNumberShowsItsTabAndChangesNothing)
{
    TMath *g = xyGraph();
    const double yMax = g->YMax;
    prompts.Dialogs.push_back([](QDialog &d) {
        auto &tabs = *d.findChild<QTabWidget *>("PageControl1");
        EXPECT_EQ(tabs.currentWidget()->objectName(), "TSQuadrillage");
        d.show();
        edit(d, "EYMax").setText(QStringLiteral("abc"));
        edit(d, "EGraduationX").setText(QStringLiteral("not checked while automatic"));
        d.findChild<QPushButton *>("BOK")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(tabs.currentWidget()->objectName(), "TSAxeY");
        EXPECT_EQ(d.focusWidget(), &edit(d, "EYMax"));
        return int(QDialog::Rejected);
    });
    g->Edit();
    EXPECT_EQ(prompts.MessageTexts(), QStringList{"Format de nombre incorrect."});
    EXPECT_EQ(g->YMax, yMax);
}

TEST_F(GraphEditTest, TypedLimitsAndStepsAreKeptWithinReason)
{
    const struct {
        const char *xMin, *xMax, *pasX, *yMax;
        double wantXMin, wantXMax, wantPasX, wantYMax;
        QStringList messages;
    } cases[] = {
        {"10", "-5", "-2,5", "1k", -5, 10, 2.5, 4, {}},
        {"25", "8", "0", "10", 8, 10, 0.2, 10, {"Ajustement automatique du pas de grille sur l'axe X"}},
        // One limit kept, the other replaced by the data's: still in order.
        {"15", "1k", "1", "4", 10, 15, 1, 4, {}},
    };
    for (const auto &c : cases) {
        page.SetGraphCount(0);
        page.Datas->Clear();
        prompts.Messages.clear();
        TMath *g = xyGraph();
        editWith(*g, [&](QDialog &d) {
            d.findChild<QCheckBox *>("CBPasXAuto")->setChecked(false);
            edit(d, "EXMin").setText(c.xMin);
            edit(d, "EXMax").setText(c.xMax);
            edit(d, "EGraduationX").setText(c.pasX);
            edit(d, "EYMax").setText(c.yMax);
        });
        EXPECT_EQ(std::tuple(g->XMin, g->XMax, g->PasX, g->PasXAuto, g->YMax),
                  std::tuple(c.wantXMin, c.wantXMax, c.wantPasX, false, c.wantYMax))
            << c.xMin;
        EXPECT_EQ(prompts.MessageTexts(), c.messages) << c.xMin;
    }
}

// The logarithmic box is refused while the scale's minimum is not above zero:
// when it is ticked, and again on OK once the minimum went back to zero.
TEST_F(GraphEditTest, LogarithmicScaleNeedsItsMinimumAboveZero)
{
    TMath *g = xyGraph();
    editWith(*g, [](QDialog &d) {
        auto &tabs = *d.findChild<QTabWidget *>("PageControl1");
        auto &logX = *d.findChild<QCheckBox *>("CBLogX");
        auto &logY = *d.findChild<QCheckBox *>("CBLogY");
        d.show();
        logX.click();
        EXPECT_FALSE(logX.isChecked()) << "Xmin is 0";
        edit(d, "EXMin").setText(QStringLiteral("1"));
        logX.click();
        edit(d, "EYMin").setText(QStringLiteral("100m"));
        logY.click();
        EXPECT_TRUE(logX.isChecked() && logY.isChecked());
        edit(d, "EYMin").setText(QStringLiteral("-1"));
        tabs.setCurrentIndex(0);
        d.findChild<QPushButton *>("BOK")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(tabs.currentWidget()->objectName(), "TSAxeY");
        EXPECT_EQ(d.focusWidget(), &edit(d, "EYMin"));
        logY.click();
    });
    const QString refusal = QStringLiteral("L'échelle logarithmique demande un minimum supérieur à zéro.");
    EXPECT_EQ(prompts.MessageTexts(), QStringList({refusal, refusal}));
    EXPECT_EQ(std::tuple(g->LogX, g->LogY, g->XMin, g->YMin), std::tuple(true, false, 1.0, -1.0));
    editWith(*g, [](QDialog &d) { EXPECT_TRUE(d.findChild<QCheckBox *>("CBLogX")->isChecked()); });
}

TEST_F(GraphEditTest, SeriesListsMoveCurvesInAndOut)
{
    TMath *g = xyGraph();
    editWith(*g, [](QDialog &d) {
        auto &shown = *d.findChild<QListWidget *>("LBYAffiche");
        EXPECT_EQ(shown.item(0)->text(), "(1) V1");
        shown.selectAll();
        d.findChild<QPushButton *>("BCache")->click();
        EXPECT_EQ(shown.count(), 0);
    });
    EXPECT_EQ(curves(*g), std::vector<int>{});
    EXPECT_TRUE(g->Affiches().Empty());

    editWith(*g, [](QDialog &d) {
        auto &hidden = *d.findChild<QListWidget *>("LBYCache");
        hidden.findItems(QStringLiteral("(2) V2"), Qt::MatchExactly)[0]->setSelected(true);
        d.findChild<QPushButton *>("BAffiche")->click();
        // Into an empty list: the Y scale proposed from V2, widened by a tenth.
        EXPECT_EQ(edit(d, "EYMin").text(), "-2,60");
        EXPECT_EQ(edit(d, "EYMax").text(), "4,60");
    });
    EXPECT_EQ(curves(*g), (std::vector<int>{-2, 2}));
    EXPECT_EQ(g->YMin, -2.6);
}

TEST_F(GraphEditTest, AnotherAbscissaProposesItsRangeAndTheDialogReopensOnTheLastTab)
{
    TMath *g = xyGraph();
    editWith(*g, [](QDialog &d) {
        d.findChild<QTabWidget *>("PageControl1")->setCurrentIndex(0);
        d.findChild<QComboBox *>("CBAxeX")->setCurrentIndex(3);
        EXPECT_EQ(QStringList({edit(d, "EXMin").text(), edit(d, "EXMax").text(),
                               edit(d, "EGraduationX").text()}),
                  QStringList({"0", "30,000", "5,0"}));
    });
    EXPECT_EQ(std::pair(g->AxeX(), g->XMax), std::pair(3, 30.0));
    editWith(*g, [](QDialog &d) {
        EXPECT_EQ(d.findChild<QTabWidget *>("PageControl1")->currentWidget()->objectName(),
                  "TSAxeX");
    });
}

TEST_F(GraphEditTest, CurveDialogEditsTheSeries)
{
    TMath *g = xyGraph();
    auto *curve = dynamic_cast<TCourbe *>(g->Elements()[2]);
    ASSERT_NE(curve, nullptr);
    editWith(*curve, [](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), "Definition de la courbe");
        edit(d, "ENom").setText(QStringLiteral("Vs"));
        edit(d, "EUnite").setText(QStringLiteral("mV"));
        d.findChild<TSpinEdit *>("SEEpais")->setValue(7);
        d.findChild<TColorSwatch *>("PColor")->SetColor(clRed);
    });
    EXPECT_EQ(curve->Epais, 7);
    EXPECT_EQ(page.Datas->Item(1)->Color, clRed);
    EXPECT_EQ(dynamic_cast<TLegende *>(g->Elements()[1])->LegendText(), "Vs(mV)");
}

TEST_F(GraphEditTest, PageDialogAppliesSizeMarginAndBackground)
{
    xyGraph();
    prompts.Dialogs.push_back([](QDialog &d) {
        d.findChild<TSpinEdit *>("SEHeight")->setValue(3000);
        d.findChild<TSpinEdit *>("SEWidth")->setValue(2500);
        d.findChild<TSpinEdit *>("SEMarge")->findChild<QLineEdit *>()->setText(QStringLiteral("1"));
        d.findChild<TColorSwatch *>("PColor")->SetColor(clYellow);
        return int(QDialog::Accepted);
    });
    page.EditPage();
    EXPECT_EQ(std::tuple(page.MFHeight(), page.Graphs(0)->Width(), page.Marge, page.BackColor),
              std::tuple(3000, 2500, 0.02, clYellow));
}

TEST_F(GraphEditTest, RightClickEditsCurveGraphOrPage)
{
    TMath *g = xyGraph();
    const auto on = [&](int px, int py) { return QPoint(page.ScreenX(px), page.ScreenY(py)); };
    const struct {
        QPoint at;
        const char *dialog;
    } cases[] = {{on(g->XToPage(5), g->YToPage(1)), "CourbeDlg"},
                 {on(2800, 1400), "MathDlg"},
                 {on(1500, 1600), "PageDlg"}};
    for (const auto &c : cases) {
        prompts.Dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
        page.EditAt(c.at.x(), c.at.y());
    }
    EXPECT_EQ(prompts.ExecutedDialogs, (QStringList{"CourbeDlg", "MathDlg", "PageDlg"}));
}

} // namespace

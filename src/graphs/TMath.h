#pragma once
// The XY graph: chosen series plotted against one abscissa series, with
// numeric axes crossing at zero, 1-2-5 or typed graduation steps, labels with
// engineering prefixes, an optional grid, arrowheads and break marks when
// zero lies outside a scale.
#include "data/TSeriesSet.h"
#include "graphs/TAxe.h"
#include <memory>
#include <string_view>

struct TMathValues;

// How a graph built from series lays out its scales beyond fitting them to
// the data: a logarithmic X scale; a Y scale widened to whole graduation
// steps, so that it starts and ends on a graduation.
struct TNewScales {
    bool LogX = false;
    bool WholeStepsY = false;
};

class TMath : public TAxe
{
public:
    // An empty graph (no curve, no label, zero scales), as the document
    // reader fills it.
    explicit TMath(TIsisGraph *page);
    // A ready graph of the page's series: scales fitted to the data, automatic
    // steps, both grids, the X-axis legend and one curve per shown series.
    static TMath *CreateFromDatas(TIsisGraph *page, const TSeriesSet &shown, int axeX,
                                  const TNewScales &scales = {});
    // A graph read from the lines after its keyword, drawing the series of
    // datas (the page's collection or one read with the graph).
    static std::unique_ptr<TAxe> CreateFromStrings(TIsisGraph *page, TDatas *datas,
                                                   DocumentReader &in);

    static constexpr std::string_view Keyword = "Math";
    QString Designation() const override { return QStringLiteral("le graphe"); }

    double PasX = 0;
    double PasY = 0;
    bool PasXAuto = true;
    bool PasYAuto = true;
    bool QuadriHor = true;
    bool QuadriVer = true;

    // Series shown as curves; setting it creates and deletes curves so that
    // exactly one curve stands for each member.
    const TSeriesSet &Affiches() const { return m_affiches; }
    void SetAffiches(const TSeriesSet &s);

    // 1-2-5 steps of the current scales.
    double AutoPasX() const;
    double AutoPasY() const;

    void Draw(Canvas &canvas) override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    QString CursorXText(int sx) const override;
    QString CursorYText(int sy) const override;

private:
    void drawXGraduations(Canvas &canvas, int x0, int y0, int u);
    void drawYGraduations(Canvas &canvas, int x0, int y0, int u);
    void drawXAxis(Canvas &canvas, int x0, int y0, int u);
    void drawYAxis(Canvas &canvas, int x0, int y0, int u);
    void widenYToSteps();
    void addAxisLegend();
    // The dialog's values on OK: limits and steps kept within reason.
    void apply(const TMathValues &values);

    TSeriesSet m_affiches;
};

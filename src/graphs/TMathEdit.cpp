// The XY graph's dialog: filled from the graph, applied on OK.
#include "graphs/TMath.h"

#include "data/EngNumbers.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include "dialogs/DialogSet.h"
#include "dialogs/Prompts.h"
#include "dialogs/UMathDlg.h"
#include "page/TIsisGraph.h"
#include <cmath>
#include <utility>

namespace
{

// Typed limits, put in order; each stands when it lies within one data span
// of the data smin..smax, otherwise the data's own limit replaces it.
std::pair<double, double> keptLimits(double lo, double hi, double smin, double smax)
{
    if (hi < lo)
        std::swap(lo, hi);
    auto near = [&](double v) { return 2 * smin - smax <= v && v <= 2 * smax - smin; };
    lo = near(lo) ? lo : smin;
    hi = near(hi) ? hi : smax;
    // One limit kept and the other replaced may cross: the scale stays in order.
    if (hi < lo)
        std::swap(lo, hi);
    return {lo, hi};
}

// A typed step stands when it gives 2 to 30 graduations over the span;
// otherwise (a zero step included) the automatic one replaces it, and the
// user is told.
double keptStep(const TAxisValues &typed, double span, double automatic, const char *axis)
{
    if (typed.PasAuto)
        return automatic;
    const double step = std::fabs(typed.Pas);
    const double graduations = span / step;
    if (graduations >= 2 && graduations <= 30)
        return step;
    ShowMessage(QStringLiteral("Ajustement automatique du pas de grille sur l'axe ") +
                QLatin1String(axis));
    return automatic;
}

} // namespace

void TMath::Edit()
{
    TMathDlg &dlg = Page()->Dialogs().Get<TMathDlg>();
    dlg.Fill({AxeX(),
              {XMin, XMax, PasX, PasXAuto, LogX},
              {YMin, YMax, PasY, PasYAuto, LogY},
              m_affiches,
              QuadriHor,
              QuadriVer,
              {ColorAxe, EpaisAxe, FontGrad, ColorQuadri, EpaisQuadri, Height(), Width()}},
             *Datas);
    if (prompts().Exec(dlg) != QDialog::Accepted)
        return;
    apply(dlg.Values());
}

void TMath::apply(const TMathValues &v)
{
    SetAxeX(v.AxeX);
    const TData *x = Datas->Item(AxeX());
    std::tie(XMin, XMax) = keptLimits(v.X.Min, v.X.Max, x ? x->Min : XMin, x ? x->Max : XMax);
    PasXAuto = v.X.PasAuto;
    PasX = keptStep(v.X, XMax - XMin, AutoPasX(), "X");
    LogX = v.X.Log;

    SetAffiches(v.Affiches);
    std::tie(YMin, YMax) =
        keptLimits(v.Y.Min, v.Y.Max, Datas->MinOf(m_affiches), Datas->MaxOf(m_affiches));
    PasYAuto = v.Y.PasAuto;
    PasY = keptStep(v.Y, YMax - YMin, AutoPasY(), "Y");
    LogY = v.Y.Log;

    ColorAxe = v.Style.ColorAxe;
    EpaisAxe = v.Style.EpaisAxe;
    FontGrad = v.Style.FontGrad;
    QuadriHor = v.QuadriHor;
    QuadriVer = v.QuadriVer;
    ColorQuadri = v.Style.ColorQuadri;
    EpaisQuadri = v.Style.EpaisQuadri;
    if (v.Style.Height != Height()) {
        SetHeight(v.Style.Height);
        Page()->SetMFHeight(Page()->MFHeight());
    }
}

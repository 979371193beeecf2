#include "graphs/Graduations.h"

#include "data/EngNumbers.h"
#include <cmath>

namespace
{

// Beyond this magnitude graduation indexes no longer convert exactly.
constexpr double MaxIndex = 9007199254740992.0; // 2^53

bool indexRange(double lo, double hi, double step, TGraduations &g)
{
    if (!(step > 0) || !std::isfinite(step))
        return false;
    double qa = (1001 * lo - hi) / 1000 / step;
    double qb = (1001 * hi - lo) / 1000 / step;
    if (!std::isfinite(qa) || !std::isfinite(qb)) {
        // The widened scale leaves the doubles: count in steps first.
        qa = (1001 * (lo / step) - hi / step) / 1000;
        qb = (1001 * (hi / step) - lo / step) / 1000;
    }
    if (!(std::fabs(qa) < MaxIndex) || !(std::fabs(qb) < MaxIndex))
        return false;
    const long long ka = (long long)(std::trunc(qa)) + (qa > 0 ? 1 : 0);
    const long long kb = (long long)(std::trunc(qb)) - (qb < 0 ? 1 : 0);
    if (kb >= ka && kb - ka + 1 > MaxGraduations)
        return false;
    g = {step, ka, kb};
    return true;
}

} // namespace

TGraduations ChooseGraduations(double lo, double hi, double step, double autoStep)
{
    TGraduations g;
    if (indexRange(lo, hi, step, g) || indexRange(lo, hi, autoStep, g))
        return g;
    return {};
}

double AutoScaleStep(double lo, double hi)
{
    const double span = hi - lo;
    if (std::isfinite(span) || !std::isfinite(lo) || !std::isfinite(hi))
        return AutoStep(span);
    // The rule gives the same step a decade down, times ten.
    return AutoStep(hi / 10 - lo / 10) * 10;
}

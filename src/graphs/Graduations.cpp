#include "graphs/Graduations.h"

#include <cmath>

namespace
{

// Beyond this magnitude graduation indexes no longer convert exactly.
constexpr double MaxIndex = 9007199254740992.0; // 2^53

bool indexRange(double lo, double hi, double step, TGraduations &g)
{
    if (!(step > 0) || !std::isfinite(step))
        return false;
    const double qa = (1001 * lo - hi) / 1000 / step;
    const double qb = (1001 * hi - lo) / 1000 / step;
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

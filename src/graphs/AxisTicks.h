#pragma once
// What an axis marks along its scale, in order of value: graduations with
// their labels, and unlabelled ticks.
//
// Linear scale: the graduations k x step of ChooseGraduations, but for 0
// where the axes cross, each labelled and on the grid.
// Logarithmic scale: the decades, labelled ("10", "100", "1k"), and
// unlabelled ticks at 2 to 9 times each decade; the grid follows the decades,
// and the ticks too when the scale spans at most three decades. A scale that
// holds fewer than two decades gets linear graduations instead, placed along
// its logarithmic mapping. As for linear graduations, the scale is widened by
// a thousandth of its span (here in decades) so that marks on its ends count.
#include "graphs/AxisMap.h"
#include <QString>
#include <vector>

struct TTick {
    double Value;
    QString Text; // empty: an unlabelled tick
    bool Grid;

    bool operator==(const TTick &) const = default;
};

// step and autoStep: the graduation step of a linear scale and its fallback
// (see Graduations.h).
std::vector<TTick> AxisTicks(const TAxisMap &map, double step, double autoStep);

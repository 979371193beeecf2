#pragma once
// Which graduations k x step an axis draws over its scale lo..hi: the scale is
// widened by a thousandth of its span on each side so that a graduation that
// falls on an end of the scale is drawn.
//
// Guard: a step that is zero, negative or not finite, or that would give more
// than MaxGraduations graduations (a document can hold any step), is replaced
// by the automatic step of the scale; when that one is unusable too (a scale
// that is empty or not finite) no graduation is drawn. Drawing therefore never
// loops for long nor allocates per graduation beyond that bound.

constexpr long long MaxGraduations = 1000;

struct TGraduations {
    double Step = 0;
    long long First = 1; // index of the first graduation
    long long Last = 0;  // index of the last one; Last < First: none

    long long Count() const { return Last < First ? 0 : Last - First + 1; }
};

TGraduations ChooseGraduations(double lo, double hi, double step, double autoStep);

// The automatic step of the scale lo..hi (AutoStep of its span), also when
// that span exceeds the doubles.
double AutoScaleStep(double lo, double hi);

#pragma once
// The runs of a stepped plot, one after the other in its columns: each run
// starts again at the first point's abscissa. They become side-by-side
// columns over one abscissa: the runs' own when they all share it, else the
// union of theirs, where each run's values at the other runs' abscissas are
// the straight lines its curve draws there (a gap outside its own range).
#include "data/SpiceRawValues.h"

// Where each run starts in the columns: {0} for a plot of one run.
std::vector<std::size_t> RunStarts(const std::vector<double> &abscissa);

// Replaces columns (abscissa, then the vectors' columns, `width` consecutive
// ones per vector) by the abscissa and, for each vector, for each run, its
// `width` columns. False with why set when the runs cannot share an
// abscissa (one whose abscissa goes back), or when the result would exceed
// limit values.
bool SpreadRuns(TRawColumns &columns, std::size_t width, const std::vector<std::size_t> &starts,
                std::uint64_t limit, QString &why);

#pragma once
// How a reader asks which part of a file to read when the file holds several
// (the plots of a simulation file): given their descriptions and the one it
// proposes, the chooser returns the index chosen, or -1 to cancel.
#include <QStringList>
#include <functional>

using TPartChooser = std::function<int(const QStringList &parts, int proposed)>;

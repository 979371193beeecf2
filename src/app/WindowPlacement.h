#pragma once
// Where the main window first appears: a random place on the primary screen
// that keeps at least 25 pixels to each edge. Sizes are in device-independent
// pixels, those of the screen's geometry.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

// Yields an integer in 0 .. n-1 for n >= 1.
using TRandom = std::function<int(int n)>;

// One axis: Random(screen - window - 50) + 25 when that range is not empty;
// otherwise the window is centred, or put at 0 when it is larger than the
// screen so that its top-left corner (title bar, menu) stays reachable.
int InitialWindowEdge(int screenSize, int windowSize, const TRandom &random);

QPoint InitialWindowPos(QSize screen, QSize window, const TRandom &random);

// The window's first geometry (without its frame) on the usable area of a
// screen: the window shrinks to what the area leaves beside the frame the
// window manager adds, so that it stays whole on the screen, status bar
// included; its frame is then placed by InitialWindowPos.
QRect InitialWindowRect(const QRect &area, QSize window, QSize frame, const TRandom &random);

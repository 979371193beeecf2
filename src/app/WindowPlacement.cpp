#include "app/WindowPlacement.h"

namespace
{

constexpr int margin = 25;

} // namespace

int InitialWindowEdge(int screenSize, int windowSize, const TRandom &random)
{
    const int room = screenSize - windowSize - 2 * margin;
    if (room > 0)
        return random(room) + margin;
    if (windowSize >= screenSize)
        return 0;
    return (screenSize - windowSize) / 2;
}

QPoint InitialWindowPos(QSize screen, QSize window, const TRandom &random)
{
    const int left = InitialWindowEdge(screen.width(), window.width(), random);
    const int top = InitialWindowEdge(screen.height(), window.height(), random);
    return {left, top};
}

QRect InitialWindowRect(const QRect &area, QSize window, QSize frame, const TRandom &random)
{
    const QSize outer = (window + frame).boundedTo(area.size());
    const QPoint at = area.topLeft() + InitialWindowPos(area.size(), outer, random);
    return {at, (outer - frame).expandedTo(QSize(1, 1))};
}

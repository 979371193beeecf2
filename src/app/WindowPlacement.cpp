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

#pragma once
// What a curve drew the last time, kept with everything that drawing read:
// the series with their length and range, both axis mappings and the canvas
// state it started from. Re-rendering a page whose curves did not
// change (an annotation was edited) then copies the recorded calls instead of
// walking every sample again.
#include "data/TData.h"
#include "graphs/AxisMap.h"
#include "render/Canvas.h"
#include <functional>
#include <memory>
#include <optional>

class PagePicture;

struct TCurveKey {
    const TData *X = nullptr;
    const TData *S = nullptr;
    int Count = 0;
    TDataKind Kind = dkAnalog;
    double XMin = 0, XMax = 0, SMin = 0, SMax = 0;
    TAxisMap XMap{};
    TAxisMap YMap{};
    // The canvas state the drawing starts from.
    TPen Pen;
    TBrush Brush;
    TFont Font;
    QPoint PenPos;

    bool operator==(const TCurveKey &) const = default;
};

class TCurveCache
{
public:
    TCurveCache();
    ~TCurveCache();

    // Replays the last recording when key matches the one it was made
    // with; otherwise records draw anew first. The canvas ends in the state
    // draw leaves it in.
    void Draw(Canvas &canvas, const TCurveKey &key, const std::function<void(Canvas &)> &draw);

private:
    std::optional<TCurveKey> m_key;
    std::unique_ptr<PagePicture> m_picture;
    // The canvas state after draw.
    TPen m_pen;
    TBrush m_brush;
    TFont m_font;
    QPoint m_penPos;
};

#pragma once
// What a curve drew the last two times, each kept with everything that drawing read:
// the series with their length and range, both axis mappings and the canvas
// state it started from. Re-rendering a page whose curves did not
// change (an annotation was edited) then copies the recorded calls instead of
// walking every sample again; so does undoing a change of scale, and redoing it.
#include "data/TData.h"
#include "graphs/AxisMap.h"
#include "render/Canvas.h"
#include <array>
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

    // Replays the recording whose key matches; otherwise records draw anew
    // first, over the older recording. The canvas ends in the state draw
    // leaves it in.
    void Draw(Canvas &canvas, const TCurveKey &key, const std::function<void(Canvas &)> &draw);

private:
    struct Recording {
        std::optional<TCurveKey> Key;
        std::unique_ptr<PagePicture> Picture;
        // The canvas state after draw.
        TPen Pen;
        TBrush Brush;
        TFont Font;
        QPoint PenPos;
    };
    static void record(Recording &r, const TCurveKey &key,
                       const std::function<void(Canvas &)> &draw);

    // The latest first.
    std::array<Recording, 2> m_recordings;
};

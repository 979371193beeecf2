#pragma once
// Clipping of one analog segment to a graph's value scale, in graph values.
// The segment may come back with its ends exchanged; the caller draws it with
// the clipped page conversions, which pin what is left beyond the scale onto
// the margin lines.

struct TScaleRect {
    double XMin;
    double XMax;
    double YMin;
    double YMax;
};

// Cuts the segment (x1, y1)-(x2, y2) to the scale. Returns false when nothing
// of it is to be drawn.
bool ClipSegment(const TScaleRect &r, double &x1, double &y1, double &x2, double &y2);

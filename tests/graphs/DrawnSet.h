#pragma once
// Compares what two pictures draw, independently of how the lines are split
// into records.
#include "render/PagePicture.h"
#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

using DrawnSegment = std::pair<QPoint, QPoint>;

// The set of page points a picture's lines pass through, as a canonical
// description: every non-vertical segment (ends ordered), and per page x the
// union of the vertical spans and lone points drawn there. Two pictures
// with equal descriptions cover the same page points with round pens of any
// width.
struct DrawnSet {
    std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> slanted;
    std::map<int, std::vector<std::pair<int, int>>> vertical; // merged spans

    bool operator==(const DrawnSet &) const = default;
};

inline DrawnSet drawnSet(const PagePicture &picture)
{
    std::vector<DrawnSegment> segments;
    for (const PictureRecord &r : picture) {
        if (r.Kind != TPictureOp::Line && r.Kind != TPictureOp::Polyline)
            continue;
        for (std::size_t i = 0; i + 1 < r.Points.size(); ++i)
            segments.emplace_back(r.Points[i], r.Points[i + 1]);
    }
    DrawnSet d;
    std::map<int, std::vector<std::pair<int, int>>> spans;
    for (auto [a, b] : segments) {
        if (a.x() == b.x()) {
            spans[a.x()].emplace_back(std::min(a.y(), b.y()), std::max(a.y(), b.y()));
            continue;
        }
        if (b.x() < a.x())
            std::swap(a, b);
        d.slanted.insert({{a.x(), a.y()}, {b.x(), b.y()}});
    }
    for (auto &[x, list] : spans) {
        std::sort(list.begin(), list.end());
        std::vector<std::pair<int, int>> merged;
        for (auto s : list) {
            if (!merged.empty() && s.first <= merged.back().second)
                merged.back().second = std::max(merged.back().second, s.second);
            else
                merged.push_back(s);
        }
        d.vertical[x] = merged;
    }
    return d;
}

#pragma once
// Drawn circuits written compactly, for the tests and benchmarks: segments
// separated by ";", each a kind and its points "x,y". "E" is the source, a
// number the branch of that number, "W" wires through two or more points:
//   "E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 4,4 0,4"
// Header only, so that the document tests and benchmarks use it without the
// toolkit.

#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/diagram.h"

namespace drawing {

inline GridPoint PointOf(const std::string& token)
{
    GridPoint p;
    if (std::sscanf(token.c_str(), "%d,%d", &p.x, &p.y) != 2) throw std::invalid_argument("test drawing: " + token);
    return p;
}

inline Diagram Parse(const std::string& text)
{
    Diagram d;
    std::istringstream items(text);
    for (std::string item; std::getline(items, item, ';');) {
        std::istringstream words(item);
        std::string kind, token;
        words >> kind;
        std::vector<GridPoint> points;
        while (words >> token) points.push_back(PointOf(token));
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            if (kind == "W")
                d.segments.push_back({SegmentKind::Wire, 0, points[i], points[i + 1]});
            else if (kind == "E")
                d.segments.push_back({SegmentKind::Source, 0, points[i], points[i + 1]});
            else
                d.segments.push_back({SegmentKind::Branch, std::stoi(kind), points[i], points[i + 1]});
        }
    }
    return d;
}

// The drawing of sample::Ladder(meshes): the source on the left going up,
// mesh k with its top branch 3k − 2 to the right, the rung 3k − 1 on its
// right going down and its bottom branch 3k to the left.
inline std::string Ladder(int meshes)
{
    std::string text = "E 0,4 0,0";
    auto at = [](int x, int y) { return " " + std::to_string(x) + "," + std::to_string(y); };
    for (int k = 1; k <= meshes; ++k) {
        const int left = 4 * (k - 1), right = 4 * k;
        text += "; " + std::to_string(3 * k - 2) + at(left, 0) + at(right, 0);
        text += "; " + std::to_string(3 * k - 1) + at(right, 0) + at(right, 4);
        text += "; " + std::to_string(3 * k) + at(right, 4) + at(left, 4);
    }
    return text;
}

}  // namespace drawing

#pragma once
// A circuit as drawn: straight segments between grid points. The points have
// integer coordinates, x to the right and y downwards as on the screen.

#include <compare>
#include <vector>

struct GridPoint {
    int x = 0, y = 0;

    friend bool operator==(GridPoint, GridPoint) = default;
    // Reading order, top to bottom and then left to right: the order in which
    // places are reported and meshes numbered.
    friend std::strong_ordering operator<=>(GridPoint a, GridPoint b)
    {
        if (const auto rows = a.y <=> b.y; rows != 0) return rows;
        return a.x <=> b.x;
    }
};

enum class SegmentKind { Wire, Branch, Source };

// A branch's current is positive from `from` to `to`; the source drives
// current from `from` to `to`.
struct Segment {
    SegmentKind kind = SegmentKind::Wire;
    int number = 0;  // a branch's number, 1 … 15; nothing for wires and the source
    GridPoint from, to;

    friend bool operator==(const Segment&, const Segment&) = default;
};

struct Diagram {
    std::vector<Segment> segments;

    friend bool operator==(const Diagram&, const Diagram&) = default;
};

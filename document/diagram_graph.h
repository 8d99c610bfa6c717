#pragma once
// A drawing as a plane graph: its vertices are the points where segments end,
// its edges the segments, a wire cut where other segments end on it. Wires
// join the vertices into the circuit's nodes.

#include <array>
#include <variant>
#include <vector>

#include "diagram.h"
#include "diagram_check.h"

struct GraphEdge {
    int segment = 0;       // its segment in the drawing
    int from = 0, to = 0;  // vertices, in the direction of the segment
};

// The directions an edge can leave a vertex in, clockwise on the screen.
enum class Heading { Right, Down, Left, Up };
inline constexpr int kHeadings = 4;

struct DiagramGraph {
    std::vector<Segment> segments;  // the drawing's, in its order
    std::vector<GridPoint> vertices;  // in reading order
    std::vector<GraphEdge> edges;
    // At each vertex the edge leaving it in each Heading; −1 where none does.
    std::vector<std::array<int, kHeadings>> around;
    // The node of each vertex; nodes are numbered in the reading order of
    // their first vertices.
    std::vector<int> nodeOf;
    int nodes = 0;
    // The wire ends joined to nothing, in reading order. Such a wire is left
    // out up to the point where it is joined, and so is a wire left with an
    // end joined to nothing by that.
    std::vector<DiagramWarning> warnings;

    int VertexAt(GridPoint point) const;  // −1 for a point that is none
};

Heading HeadingOf(GridPoint from, GridPoint to);

// The graph of a drawing that passed CheckSegments, or the refusal of a
// crossing, of an end on a branch's or the source's interior, or of a
// drawing in several pieces.
std::variant<DiagramRefusal, DiagramGraph> JoinSegments(const Diagram& diagram);

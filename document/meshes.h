#pragma once
// The meshes of a drawing: the bounded faces of its plane graph, found from
// the angular order of the edges at every vertex. A face bounded by wires
// alone lies inside one node and is no mesh.
//
// Loop 1 is the mesh whose boundary holds the source, run in the direction
// of E; every other mesh runs clockwise on the screen (to the right along
// its top edge) and is numbered 2, 3 … in the reading order of its topmost,
// then leftmost boundary point.

#include <variant>
#include <vector>

#include "calc/circuit.h"
#include "diagram_check.h"
#include "diagram_graph.h"

// A piece of a segment, walked from `from` to `to`.
struct MeshStep {
    int segment = 0;
    GridPoint from, to;
};

struct Mesh {
    // In the loop's direction from the corner on.
    std::vector<MeshStep> boundary;
    GridPoint corner;                // the topmost, then leftmost boundary point
    // Branch b at place b: +1 where the loop runs along the branch's arrow,
    // −1 against it; 0 where it does not run along it, or runs both ways.
    Marks branches;
};

// Loop k at [k − 1]. Refused: a ring of wires that shorts the branches
// inside it; a source whose ends are joined by wires (a mesh of the source
// and wires alone is one); a source on the boundary of no mesh or of two;
// fewer than 2 or more than 5 meshes.
std::variant<DiagramRefusal, std::vector<Mesh>> FindMeshes(const DiagramGraph& graph);

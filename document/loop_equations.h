#pragma once
// From a drawing to the loop equations: the meshes, each branch current as
// the signed sum of the loops along the branch, and the loop matrix those
// currents imply.

#include <string>
#include <variant>
#include <vector>

#include "calc/matrix_from_currents.h"
#include "diagram.h"
#include "diagram_check.h"
#include "diagram_graph.h"
#include "meshes.h"

struct DiagramLoops {
    DiagramGraph graph;
    std::vector<Mesh> meshes;  // loop k at [k − 1]
    // Every branch current, + for a loop that runs along the branch's arrow;
    // a branch on no mesh, which carries no current, has an empty one. No
    // matrix elements: those are `matrix`.
    LoopDefinitions definitions;
    ImpliedMatrix matrix;
    // The graph's warnings and those of the branches, in reading order.
    std::vector<DiagramWarning> warnings;
};

// The loops of a drawing, or the first reason it is refused. The same
// drawing gives the same loops whatever the order of its segments.
std::variant<DiagramRefusal, DiagramLoops> DeriveLoops(const Diagram& diagram);

// One item a line: each loop as "L1=+Z1+Z2", each branch current as
// "I01=I1", each matrix element of the upper triangle as "Z11=Z1+Z2"; the
// sums as a circuit file writes them.
std::vector<std::string> LoopEquationLines(const DiagramLoops& loops);

#pragma once
// Why a drawing is refused, and what is accepted with a warning; each with
// the grid point it concerns. The checks of the segments one by one and of
// their kinds and numbers; the joins and the meshes are checked where they
// are found (diagram_graph.h, meshes.h).

#include <optional>
#include <string>
#include <vector>

#include "diagram.h"

enum class DiagramFault {
    ZeroLength,
    Diagonal,
    NoSource,
    SeveralSources,
    BranchCount,     // fewer than 2 or more than 15 branches
    BranchNumbers,   // a number outside 1 … n or given twice
    Crossing,        // interiors that meet, or segments that overlap
    EndOnBranch,     // an end on the interior of a branch or the source
    SeveralPieces,
    WireRing,        // a ring of wires with branches inside it
    SourceNotOuter,  // the source on the boundary of no mesh or of two
    NoImpedance,     // a loop of the source and wires alone
    LoopCount,       // fewer than 2 or more than 5 meshes
};

struct DiagramRefusal {
    DiagramFault fault = DiagramFault::NoSource;
    // Nothing only where there is nothing to point at: no source, no branch.
    std::optional<GridPoint> place;
};

enum class DiagramNotice {
    UnjoinedWireEnd,       // the wire is ignored up to where it is joined
    BranchWithoutCurrent,  // an end joined to nothing, or the only path between two parts
    ShortedBranch,         // both ends joined by wires
};

struct DiagramWarning {
    DiagramNotice notice = DiagramNotice::UnjoinedWireEnd;
    GridPoint place;
    int branch = 0;  // the branch a branch notice is about

    friend bool operator==(const DiagramWarning&, const DiagramWarning&) = default;
};

// "(4,2)".
std::string PlaceText(GridPoint place);
// The message, then its place: "電源は外周の枝路に置いて下さい　位置：(0,4)".
std::string RefusalText(const DiagramRefusal& refusal);
std::string WarningText(const DiagramWarning& warning);

// Of several faults found together, the one at the first place in reading
// order, so that the answer does not depend on the order of the segments.
std::optional<DiagramRefusal> FirstByPlace(const std::vector<DiagramRefusal>& faults);

// Zero-length and diagonal segments; no source or more than one; fewer than
// 2 or more than 15 branches; branch numbers not 1 … n, each once.
std::optional<DiagramRefusal> CheckSegments(const Diagram& diagram);

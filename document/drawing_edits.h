#pragma once
// The edits of a drawing as its editor makes them. Those that change branch
// numbers also tell where each new number came from, so that what is kept
// per branch number goes along with its branch (drawn_circuit.h).

#include <vector>

#include "diagram.h"

struct NumberedDrawing {
    Diagram diagram;
    // For branch number n at [n − 1], up to the highest number: the number
    // it had before, 0 where it is new.
    std::vector<int> previous;
};

// One more than the highest branch number: the number of a branch drawn next.
int NextBranchNumber(const Diagram& diagram);

// Without the segments at the given places. The numbers above a removed
// branch's number move down to close the gap, unless a branch that stays
// still has that number.
NumberedDrawing WithoutSegments(const Diagram& diagram, const std::vector<int>& places);

// The branches numbered 1, 2 … in the reading order of their upper ends, a
// horizontal branch's being its left end. Of two branches from one point,
// the vertical one comes first, as the middle rung of the two-loop sample.
NumberedDrawing NumberedInReadingOrder(const Diagram& diagram);

// The segments at the given places moved by whole grid steps.
Diagram Moved(const Diagram& diagram, const std::vector<int>& places, GridPoint by);

// The segment at place with its arrow turned round.
Diagram Reversed(const Diagram& diagram, int place);

// The places of the segments that pass through the point, their ends included.
std::vector<int> SegmentsThrough(const Diagram& diagram, GridPoint point);

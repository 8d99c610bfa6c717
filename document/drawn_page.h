#pragma once
// What a drawing means for the calculation page, and the drawing as a
// document keeps it.

#include <optional>

#include "document/circuit_document.h"
#include "document/loop_equations.h"

// The drawing as a document keeps it and its file lists it: the source
// first, then the branches, then the wires, each kind in the order drawn;
// an entry for each number up to the highest, nothing for a number no branch
// has. Nothing for a drawing without segments, whose entries are no branch's.
std::optional<DrawnCircuit> StoredDrawing(const DrawnCircuit& drawing);

// The drawing's entry for branch b: its own where it has one, otherwise the
// page's entry of branch b, if the page has that branch.
std::optional<ElementEntry> DrawnEntry(const CircuitDocument& page, const DrawnCircuit& drawing, int b);

// The document with the loops' counts, every branch current (a branch on no
// mesh confirmed empty) and the matrix the currents imply, explicit zeros
// included. What the page keeps of a smaller size is kept as a new size
// keeps it.
CircuitDocument WithDrawnDefinitions(const CircuitDocument& document, const DiagramLoops& loops);

// The page as 計算ページへ反映 leaves it: the definitions above and every
// branch's DrawnEntry.
CircuitDocument DrawnPage(const CircuitDocument& document, const DrawnCircuit& drawing, const DiagramLoops& loops);

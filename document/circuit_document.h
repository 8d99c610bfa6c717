#pragma once
// The circuit exactly as the user entered it: the texts and units typed in
// the fields and dialogs and the marks pressed in the definition dialogs. It
// is what a circuit file holds, and a Circuit is formed from it in one place
// (circuit_of_document.h), so that a circuit read from a file is the circuit
// the same entries would have made.

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "calc/circuit.h"
#include "calc/matrix_from_currents.h"
#include "document/display_units.h"
#include "document/drawn_circuit.h"
#include "document/element_entry.h"

// The marks of one matrix element or branch current as the definition
// dialogs hand them over. Matrix: one place per branch 1 … 15 after place 0,
// which is 1 for an element declared zero ("０"). Branch current: one place
// per loop 1 … 5 after the unused place 0.
using SignedSumMarks = Marks;
inline constexpr int kMatrixMarkPlaces = Circuit::MaxBranches + 1;
inline constexpr int kCurrentMarkPlaces = Circuit::MaxLoops + 1;

// A drawing with the element values entered for its branches in the diagram
// window.
using DrawnCircuit = DrawnCircuitOf<ElementEntry>;

struct CircuitDocument {
    int loops = 2;
    int branches = 2;
    ValueEntry emf;
    ValueEntry frequency;
    // One per branch; nothing for a branch never entered.
    std::vector<std::optional<ElementEntry>> elements;
    // By the position (j − 1) × 5 + (k − 1) of Zjk, upper triangle only;
    // nothing for an element never defined.
    std::array<std::optional<SignedSumMarks>, kElementPositions> matrix;
    // One per branch; nothing for a branch current never defined. Marks with
    // nothing marked are a definition confirmed empty.
    std::vector<std::optional<SignedSumMarks>> currents;
    // Nothing: the units the program starts with.
    std::optional<DisplayUnits> display;
    // The circuit as drawn, in the order StoredDrawing keeps; nothing for a
    // circuit never drawn. It changes the entries above only when applied
    // (drawn_page.h).
    std::optional<DrawnCircuit> drawing;

    bool operator==(const CircuitDocument&) const = default;
};

inline constexpr int MatrixPosition(int j, int k) { return ElementPosition(j, k); }

// The matrix and branch-current definitions, for deriving and checking the
// matrix.
LoopDefinitions DefinitionsOf(const CircuitDocument& document);

// The document's display units, or the ones the program starts with.
DisplayUnits DisplayUnitsOf(const CircuitDocument& document);

// Whether the two describe the same circuit: everything but the display
// units and the drawing is the same.
bool SameCircuit(const CircuitDocument& a, const CircuitDocument& b);

// A document of the given counts with nothing entered: E = 1 V and
// f = 100 Hz as the fields start.
CircuitDocument EmptyDocument(int loops, int branches);

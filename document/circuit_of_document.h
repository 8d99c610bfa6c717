#pragma once
// The one place where a document becomes a circuit: counts, E, f, branch
// elements, matrix and branch-current definitions, as the fields and dialogs
// store them. Results are left
// empty, as before 計算実行.

#include "calc/circuit.h"
#include "document/circuit_document.h"

// Raises a CalcError when a value overflows with its unit's multiplier, as
// E or f of a file may.
Circuit CircuitOf(const CircuitDocument& document);

// The circuit at the size of `resized`, a document of circuit_size.h: the
// branch values and the source already formed from what was entered are
// kept for what remains, the definitions are formed from the document, the
// results are empty.
Circuit ResizedCircuit(const Circuit& circuit, const CircuitDocument& resized);

#pragma once
// The one place where a document becomes a circuit: counts, E, f, branch
// elements, matrix and branch-current definitions, as the fields and dialogs
// store them. The window, a file and the command line all calculate the
// circuit formed here.

#include "calc/circuit.h"
#include "document/circuit_document.h"

// Raises a CalcError when a value overflows with its unit's multiplier, as
// E or f of a file may.
Circuit CircuitOf(const CircuitDocument& document);

// The frequency in use, in Hz; raises a CalcError when it overflows with its
// unit's multiplier.
double FrequencyOf(const CircuitDocument& document);

// The value of matrix element Zjk, the signed sum of the impedances of the
// branches its definition marks at the frequency in use; an overflow raises
// a CalcError. A frequency or a branch impedance that cannot be formed
// counts for nothing here: 計算実行 says why.
Complex MatrixElementValue(const CircuitDocument& document, int j, int k);

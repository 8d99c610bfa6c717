#pragma once
#include "circuit.h"

// A pivot smaller than this times the largest candidate below it in its
// column (both measured as max(|re|, |im|)) is exchanged away. Below it a
// step's multipliers stay under about 10^3, so each exchange-free step costs
// at most some 3 of the 16 digits: well-conditioned matrices keep 12 or
// more, and every result that needed no exchange before keeps its bits. A
// larger ratio would buy little accuracy and change the results of
// ordinary circuits whose pivots are sound.
inline constexpr double TinyPivotRatio = 1e-3;

// Inverts LoopMat by Gauss–Jordan elimination in the written row order,
// exchanging rows (partial pivoting) from the first pivot on that is zero or
// below TinyPivotRatio. On success column n + 1 holds the first column of
// the inverse, the only one any caller reads; columns n + 2 … 2n are left as
// they were, and rows 1 … n of columns 1 … n hold the eliminated matrix in
// the exchanged order. On a singular matrix or any arithmetic error it sets
// CalcErr = 1 (and never clears it); the matrix is then undefined.
void InvLoopMat(Circuit& c);

// InvLoopMat that also tells whether this inversion succeeded (CalcErr may
// already have been 1 before the call).
bool TryInvLoopMat(Circuit& c);

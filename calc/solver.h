#pragma once
#include "circuit.h"

// A pivot smaller than this times the largest candidate below it in its
// column (both measured as max(|re|, |im|)) is exchanged away. A pivot kept
// in the written order thus scales the rows below it by at most about 10^3,
// which costs at most some 3 of the 16 digits where later steps cancel: 12
// or more remain for the well-conditioned matrices of real circuits. A
// near-resonant loop's pivot, 10^-6 … 10^-10 of its coupling, is exchanged. A larger ratio would buy little accuracy
// and exchange rows for sound pivots of ordinary circuits, whose results would then no longer keep their bits.
inline constexpr double TinyPivotRatio = 1e-3;

// Inverts LoopMat by Gauss–Jordan elimination in the written row order,
// exchanging rows (partial pivoting) from the first pivot on that is zero or
// below TinyPivotRatio. On success column n + 1 holds the first column of
// the inverse, the only one any caller reads; columns n + 2 … 2n are left as
// they were, and rows 1 … n of columns 1 … n hold the eliminated matrix in
// the exchanged order. False on a singular matrix or any arithmetic error;
// the matrix is then undefined.
bool TryInvLoopMat(Circuit& c);

#pragma once
#include "circuit.h"

// Inverts LoopMat by Gauss–Jordan elimination without pivoting. On success
// column n + 1 holds the first column of the inverse, the only one any
// caller reads; columns n + 2 … 2n are left as they were. On an exactly zero
// diagonal element, a zero pivot or any arithmetic error it sets CalcErr = 1
// (and never clears it); the matrix is then undefined.
void InvLoopMat(Circuit& c);

// InvLoopMat that also tells whether this inversion succeeded (CalcErr may
// already have been 1 before the call).
bool TryInvLoopMat(Circuit& c);

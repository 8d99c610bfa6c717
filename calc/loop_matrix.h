#pragma once
#include "circuit.h"

// Matrix elements are named by their two-digit code jk (j ≤ k). An unknown
// code copies nothing and evaluates to 0.

// Marks as the user entered them: one per branch from element 1, with the
// "0" mark at element 0. Marks shorter than BrCnt + 1 count as zeros beyond
// their end.

// ZDef[j][j][1 … BrCnt] = marks[1 … BrCnt].
void SetZDiagDef(Circuit& c, int code, const Marks& marks);
// ZReg = sum of the branches marked +1 (−1 marks do not count on the diagonal).
void CalcZDiag(Circuit& c, int code);
// ZDef[j][k][0 … BrCnt] = marks[0 … BrCnt], the "0" mark included.
void SetZMutDef(Circuit& c, int code, const Marks& marks);
// ZReg = signed sum of the marked branches.
void CalcZMut(Circuit& c, int code);
// LoopMat(1 … n, 1 … n) from the definitions and BrImp; the lower triangle
// copies the upper one.
void AsmLoopMat(Circuit& c);
// Copies every upper-triangle element of the current size to its mirror.
void MirrorLoopMat(Circuit& c);

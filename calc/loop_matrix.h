#pragma once
#include "circuit.h"

// Matrix elements are named by their two-digit code jk (j ≤ k). An unknown
// code copies nothing and evaluates to 0.

// ZDefjj[1 … BrCnt] = ZDefWork[1 … BrCnt].
void SetZDiagDef(Circuit& c, int code);
// ZReg = sum of the branches marked +1 (−1 marks do not count on the diagonal).
void CalcZDiag(Circuit& c, int code);
// ZDefjk[0 … BrCnt] = ZDefWork[0 … BrCnt], the "0" mark included.
void SetZMutDef(Circuit& c, int code);
// ZReg = signed sum of the marked branches.
void CalcZMut(Circuit& c, int code);
// LoopMat(1 … n, 1 … n) from the definitions and BrImp; the lower triangle
// copies the upper one.
void AsmLoopMat(Circuit& c);
// Copies every upper-triangle element of the current size to its mirror.
void MirrorLoopMat(Circuit& c);

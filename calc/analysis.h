#pragma once
#include "circuit.h"

// CurDef<b>[1 … LoopCnt] = marks[1 … LoopCnt], the marks of the loop
// currents as the user entered them; marks shorter than LoopCnt + 1 count as
// zeros beyond their end.
void SetCurDef(Circuit& c, int b, const Marks& marks);

enum class AnalysisOutcome { Solved, Singular };

// Single-frequency analysis at c.Frq with the source c.EmfCpx in loop 1:
// BrImp, LoopMat, LoopCur, BrCur, BrCurAbs, BrVol, BrVolAbs and ZReg = Zi.
// Computes no phases. Arithmetic errors propagate as CalcError; a singular
// loop matrix ends the analysis after the solve, whose results then keep
// their old values and mean nothing.
AnalysisOutcome calciz(Circuit& c);

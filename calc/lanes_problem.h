#pragma once
// What the four-lane analyses share with their caller: the circuit reduced
// to plain arrays, and where each result goes. Plain data only: the lane
// kernels are compiled for different processors, and an inline function
// defined here could be emitted by either and then taken by the linker for
// both (see lanes_kernel.h).

#include <cstddef>
#include <cstdint>

namespace lanes {

// Frequencies analysed side by side.
inline constexpr int kWidth = 4;

// One term of a signed sum: +value[place], or −value[place] if minus.
struct Term {
    int place;
    bool minus;
};

// Terms [begin, end) of a signed sum.
struct Sum {
    int begin;
    int end;
};

struct Problem {
    static constexpr int kMaxBranches = 15;
    static constexpr int kMaxLoops = 5;

    int branches;
    int loops;
    double R[kMaxBranches + 1], L[kMaxBranches + 1], C[kMaxBranches + 1];
    double emfRe, emfIm;
    // The constants of the one-frequency analysis: 2π as the branch
    // impedance takes it, and the solver's pivot ratio.
    double twoPi, tinyPivotRatio;

    // The terms of every sum, in the order the one-frequency analysis adds
    // them: element[j][k] (0-based, j ≤ k) over the branch impedances,
    // current[b] (b = 1 … branches) over the loop currents, 0-based.
    Term terms[kMaxLoops * kMaxLoops * kMaxBranches + kMaxBranches * kMaxLoops];
    Sum element[kMaxLoops][kMaxLoops];
    Sum current[kMaxBranches + 1];

    // Where a block of kWidth frequencies leaves its results, counted in
    // rows of kWidth doubles (one per lane) from the block's start: the real
    // part of a complex value, then its imaginary part in the next row.
    // Branch b's rows follow at 2 (b − 1) for complex values, b − 1 for
    // magnitudes.
    int zReg, brCur, brVol, brCurAbs, brVolAbs;
    int blockRows;
};

// Analyses blocks of kWidth frequencies: frequencies[kWidth × i …] into
// results + i × blockRows × kWidth. redo[i] gets one bit per lane (bit l for
// lane l) that the one-frequency analysis must redo because it would not
// have taken the plain path there: its results are then undefined.
using BlockAnalysis = void (*)(const Problem& problem, const double* frequencies, size_t blocks, double* results,
                               uint8_t* redo);

void AnalysePortable(const Problem& problem, const double* frequencies, size_t blocks, double* results, uint8_t* redo);
void AnalyseAvx2(const Problem& problem, const double* frequencies, size_t blocks, double* results, uint8_t* redo);

}  // namespace lanes

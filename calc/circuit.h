#pragma once
// The circuit description and every calculated result. Code outside calc/
// forms a Circuit and reads its analysis through loop_analysis.h, by purpose.
//
// Arrays are indexed from 0 and element 0 carries nothing unless said
// otherwise; LoopMat alone is indexed from 1. Counts, marks and flags are
// 16-bit, electrical values 64-bit, all in base units (Ω, H, F, Hz, V, A,
// degrees).
//
// The names are short domain abbreviations, read as follows:
//   Br    branch (1 … BrCnt)            Loop  loop, mesh (1 … LoopCnt)
//   Cnt   count                         Cpx   complex number
//   R L C resistance, inductance,       Imp   impedance
//         capacitance                   Cur   current
//   Vol   voltage                       Frq   frequency
//   Emf   source voltage E, in loop 1   Def   definition (a signed sum)
//   Mat   matrix                        Abs   magnitude
//   Ph    phase in degrees              Mul   multiplier of a unit
//   Val   value as typed
//   Zi    input impedance E ÷ I1        Asm   assemble
//   Inv   invert                        Lg10  common logarithm
//   ZDef[j][k]  the definition of loop-matrix element Zjk, one mark per branch
//   CurDef  the definition of a branch current, one mark per loop current
//   ZReg    the input impedance as a complex number
//   AngRes  where CpxPh leaves the phase it computed
//   calciz  the single-frequency analysis of the whole circuit

#include <array>
#include <cstdint>
#include <vector>

#include "complex.h"

// Signed-sum definition: one mark per branch or loop current, +1, -1 or 0.
using Marks = std::vector<int16_t>;

// The loop impedance matrix: rows 1 … n, columns 1 … 2n. Columns 1 … n hold
// Z, the solver leaves the first column of the inverse in column n + 1.
class LoopMatrix {
public:
    void Recreate(int n)
    {
        n_ = n;
        cells_.assign(static_cast<size_t>(n) * 2 * n, Complex{});
    }
    int Rows() const { return n_; }
    int Cols() const { return 2 * n_; }
    Complex& operator()(int r, int c) { return cells_[Index(r, c)]; }
    const Complex& operator()(int r, int c) const { return cells_[Index(r, c)]; }
    // Row r as a plain array: Row(r)[c - 1] is (r, c).
    Complex* Row(int r) { return cells_.data() + Index(r, 1); }

private:
    size_t Index(int r, int c) const { return static_cast<size_t>(r - 1) * (2 * n_) + (c - 1); }
    int n_ = 0;
    std::vector<Complex> cells_;
};

struct Circuit {
    static constexpr int MaxBranches = 15;
    static constexpr int MaxLoops = 5;

    // Circuit size and flags.
    int16_t BrCnt = 0;    // 2 … 15
    int16_t LoopCnt = 0;  // 2 … 5

    // Branch elements, 0 … BrCnt.
    std::vector<double> BrR, BrL, BrC;  // C = 0: no capacitor
    std::vector<Complex> BrImp;

    // Frequency and source.
    double FrqVal = 0, FrqMul = 0, Frq = 0;
    double EmfVal = 0, EmfMul = 0, Emf = 0;
    Complex EmfCpx;

    // Loop matrix and its element definitions: ZDef[j][k] for
    // 1 ≤ j ≤ k ≤ 5, 0 … BrCnt each; the others stay empty. In the
    // off-diagonal definitions element 0 is 1 for an explicit "0".
    LoopMatrix LoopMat;
    Complex ZReg;
    std::array<std::array<Marks, MaxLoops + 1>, MaxLoops + 1> ZDef;

    // Branch-current definitions, 0 … LoopCnt each; CurDef[b] is CurDef<b>,
    // CurDef[0] is unused.
    std::array<Marks, MaxBranches + 1> CurDef;

    // Results.
    std::vector<Complex> LoopCur;  // 0 … LoopCnt
    std::vector<Complex> BrCur;    // 0 … BrCnt
    std::vector<double> BrCurAbs;
    std::vector<Complex> BrVol;
    std::vector<double> BrVolAbs;
};

// The data half of the circuit initialisation: re-creates every array with
// zeros for the current BrCnt and LoopCnt and sets the starting values
// E = 1 V, f = 100 Hz.
// Counts outside 2 … 15 branches / 2 … 5 loops throw std::invalid_argument.
void InitCircuitData(Circuit& c);

// True when the counts are in range and every array the analysis uses has
// the bounds InitCircuitData gives it for them.
bool ArraysMatchCounts(const Circuit& c);

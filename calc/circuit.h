#pragma once
// The circuit description and every calculated result. One Circuit lives in
// the main window for the whole run; everything else gets it by reference.
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
//   ZDefjk  the definition of loop-matrix element Zjk, one mark per branch
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
    int16_t CalcErr = 0;  // 1 after InvLoopMat failed; its callers reset it

    // Branch elements, 0 … BrCnt.
    std::vector<double> BrR, BrL, BrC;  // C = 0: no capacitor
    std::vector<Complex> BrImp;

    // Frequency and source.
    double FrqVal = 0, FrqMul = 0, Frq = 0;
    double EmfVal = 0, EmfMul = 0, Emf = 0;
    Complex EmfCpx;

    // Loop matrix and its element definitions, 0 … BrCnt each. In the
    // off-diagonal definitions element 0 is 1 for an explicit "0".
    LoopMatrix LoopMat;
    Complex ZReg;
    Marks ZDef11, ZDef12, ZDef13, ZDef14, ZDef15;
    Marks ZDef22, ZDef23, ZDef24, ZDef25;
    Marks ZDef33, ZDef34, ZDef35;
    Marks ZDef44, ZDef45;
    Marks ZDef55;

    // Branch-current definitions, 0 … LoopCnt each; CurDef[b] is CurDef<b>,
    // CurDef[0] is unused.
    std::array<Marks, MaxBranches + 1> CurDef;

    // Results.
    std::vector<Complex> LoopCur;  // 0 … LoopCnt
    std::vector<Complex> BrCur;    // 0 … BrCnt
    std::vector<double> BrCurAbs, BrCurPh;
    std::vector<Complex> BrVol;
    std::vector<double> BrVolAbs, BrVolPh;
    double ZiAbs = 0, ZiPh = 0;
    double AngRes = 0;

    // The definition of matrix element Zjk by its code jk (11, 12, … 55);
    // nullptr for any other code.
    Marks* ZDef(int code);
    const Marks* ZDef(int code) const;
};

// Inline: every analysis looks up all fifteen definitions.
namespace circuit_detail {

// ZDef<j><k> at [j − 1][k − 1], upper triangle only.
inline constexpr Marks Circuit::*ZDefMembers[5][5] = {
    {&Circuit::ZDef11, &Circuit::ZDef12, &Circuit::ZDef13, &Circuit::ZDef14, &Circuit::ZDef15},
    {nullptr, &Circuit::ZDef22, &Circuit::ZDef23, &Circuit::ZDef24, &Circuit::ZDef25},
    {nullptr, nullptr, &Circuit::ZDef33, &Circuit::ZDef34, &Circuit::ZDef35},
    {nullptr, nullptr, nullptr, &Circuit::ZDef44, &Circuit::ZDef45},
    {nullptr, nullptr, nullptr, nullptr, &Circuit::ZDef55},
};

// ZDef<j><k> for 1 ≤ j ≤ k ≤ 5, without the checks of ZDef(code).
inline const Marks& UpperZDef(const Circuit& c, int j, int k) { return c.*ZDefMembers[j - 1][k - 1]; }

}  // namespace circuit_detail

inline Marks* Circuit::ZDef(int code)
{
    const int j = code / 10, k = code % 10;
    if (j < 1 || j > MaxLoops || k < 1 || k > MaxLoops) return nullptr;
    Marks Circuit::*const member = circuit_detail::ZDefMembers[j - 1][k - 1];
    return member != nullptr ? &(this->*member) : nullptr;
}

inline const Marks* Circuit::ZDef(int code) const { return const_cast<Circuit*>(this)->ZDef(code); }

// The data half of the circuit initialisation: re-creates every array with
// zeros for the current BrCnt and LoopCnt and sets the starting values
// E = 1 V, f = 100 Hz. CalcErr is left as it is.
// Counts outside 2 … 15 branches / 2 … 5 loops throw std::invalid_argument.
void InitCircuitData(Circuit& c);

// True when the counts are in range and every array the analysis uses has
// the bounds InitCircuitData gives it for them.
bool ArraysMatchCounts(const Circuit& c);

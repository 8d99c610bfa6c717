#pragma once
// Circuits for tests and benchmarks, built through the calculation API the
// way the main window builds them from what the entry dialogs hand back:
// branch values, matrix-element marks and branch-current marks.
//
// Header only, so that the calc tests and benchmarks use it without the
// toolkit.

#include <complex>
#include <initializer_list>
#include <utility>

#include "calc/circuit.h"
#include "calc/loop_analysis.h"

namespace sample {

struct Rlc {
    double R = 0, L = 0, C = 0;
};

// (place, sign) pairs of a signed sum: a branch, 0 for the "0" mark of an
// off-diagonal element, or a loop current.
using Terms = std::initializer_list<std::pair<int, int>>;

// The marks the dialogs hand back: "０" and the 15 branches, or the 5 loop
// currents after an unused place 0.
inline constexpr int kMatrixPlaces = Circuit::MaxBranches + 1;
inline constexpr int kCurrentPlaces = Circuit::MaxLoops + 1;

inline Marks MarksOf(Terms terms, int places)
{
    Marks marks(static_cast<size_t>(places), 0);
    for (auto [place, sign] : terms) marks[place] = static_cast<int16_t>(sign);
    return marks;
}

inline Circuit Empty(int loops, int branches) { return NewCircuit(loops, branches); }

inline void SetBranch(Circuit& c, int b, const Rlc& z) { SetBranchElements(c, b, {z.R, z.L, z.C}); }


// Zjk from its marks; code jk with j ≤ k.
inline void DefineZByMarks(Circuit& c, int code, const Marks& marks)
{
    DefineMatrixElement(c, code / 10, code % 10, marks);
}

// Zjk as the signed sum of the listed branches.
inline void DefineZ(Circuit& c, int code, Terms branches) { DefineZByMarks(c, code, MarksOf(branches, kMatrixPlaces)); }

// Branch b's current as the signed sum of the listed loop currents.
inline void DefineCurrent(Circuit& c, int b, Terms loops) { DefineBranchCurrent(c, b, MarksOf(loops, kCurrentPlaces)); }

// The two-loop sample: Z1 in the left mesh, Z2 shared, Z3 in the right mesh,
// both loop currents clockwise. Z11 = Z1 + Z2, Z12 = −Z2, Z22 = Z2 + Z3;
// I01 = I1, I02 = I1 − I2, I03 = I2. E = 1 V.
inline Circuit TwoLoop(const Rlc& z1, const Rlc& z2, const Rlc& z3)
{
    Circuit c = Empty(2, 3);
    SetBranch(c, 1, z1);
    SetBranch(c, 2, z2);
    SetBranch(c, 3, z3);
    DefineZ(c, 11, {{1, 1}, {2, 1}});
    DefineZ(c, 12, {{2, -1}});
    DefineZ(c, 22, {{2, 1}, {3, 1}});
    DefineCurrent(c, 1, {{1, 1}});
    DefineCurrent(c, 2, {{1, 1}, {2, -1}});
    DefineCurrent(c, 3, {{2, 1}});
    return c;
}

// A branch's impedance and the two-loop sample's input impedance
// Z1 + Z2 ∥ Z3, worked out independently of the analysis with its
// ω = 6.283184 f, in the precision of Real.
template <class Real>
std::complex<Real> Impedance(const Rlc& z, Real f)
{
    const Real w = Real(6.283184) * f;
    std::complex<Real> x(z.R, w * z.L);
    if (z.C != 0) x += std::complex<Real>(0, -1 / (w * Real(z.C)));
    return x;
}

template <class Real>
std::complex<Real> TwoLoopZi(const Rlc& z1, const Rlc& z2, const Rlc& z3, Real f)
{
    const std::complex<Real> a = Impedance(z2, f), b = Impedance(z3, f);
    return Impedance(z1, f) + a * b / (a + b);
}

// The sample with R, L and C in its branches: 10 Ω + 10 mH, 5 Ω + 1 μF,
// 100 Ω + 0.1 H + 0.1 μF (series resonance near 1.6 kHz).
inline Circuit TwoLoopRlc() { return TwoLoop({10, 0.01, 0}, {5, 0, 1e-6}, {100, 0.1, 1e-7}); }

// A ladder of `loops` meshes with three branches each: for mesh k the top
// branch 3k − 2 and the bottom branch 3k carry Ik, the rung 3k − 1 on its
// right is shared with mesh k + 1 (the last rung carries I_loops alone).
inline Circuit Ladder(int loops)
{
    Circuit c = Empty(loops, 3 * loops);
    for (int k = 1; k <= loops; ++k) {
        const double s = k;
        SetBranch(c, 3 * k - 2, {2 * s, 1e-3 * s, 0});
        SetBranch(c, 3 * k - 1, {50 / s, 0, 2e-6 / s});
        SetBranch(c, 3 * k, {s, 2e-4 * s, 1e-5 * s});
    }
    for (int k = 1; k <= loops; ++k) {
        const int top = 3 * k - 2, rung = 3 * k - 1, bottom = 3 * k;
        if (k == 1)
            DefineZ(c, 11 * k, {{top, 1}, {rung, 1}, {bottom, 1}});
        else
            DefineZ(c, 11 * k, {{top, 1}, {rung, 1}, {bottom, 1}, {rung - 3, 1}});
        if (k < loops) DefineZ(c, 10 * k + k + 1, {{rung, -1}});
        DefineCurrent(c, top, {{k, 1}});
        DefineCurrent(c, bottom, {{k, 1}});
        if (k < loops)
            DefineCurrent(c, rung, {{k, 1}, {k + 1, -1}});
        else
            DefineCurrent(c, rung, {{k, 1}});
    }
    return c;
}

// The two-section LC low-pass ladder of examples/ladder_filter.brivel: a
// 50 Ω source (branch 1), series coils of 15.9 mH and 0.5 Ω (branches 2 and
// 4), shunt capacitors of 6.37 μF (branches 3 and 5) and a 50 Ω load
// (branch 6); E = 10 V. V06 is the load voltage.
inline Circuit LadderFilter()
{
    Circuit c = Empty(3, 6);
    SetBranch(c, 1, {50, 0, 0});
    SetBranch(c, 2, {0.5, 0.0159, 0});
    SetBranch(c, 3, {0, 0, 6.37e-6});
    SetBranch(c, 4, {0.5, 0.0159, 0});
    SetBranch(c, 5, {0, 0, 6.37e-6});
    SetBranch(c, 6, {50, 0, 0});
    DefineZ(c, 11, {{1, 1}, {2, 1}, {3, 1}});
    DefineZ(c, 12, {{3, -1}});
    DefineZ(c, 13, {{0, 1}});
    DefineZ(c, 22, {{3, 1}, {4, 1}, {5, 1}});
    DefineZ(c, 23, {{5, -1}});
    DefineZ(c, 33, {{5, 1}, {6, 1}});
    DefineCurrent(c, 1, {{1, 1}});
    DefineCurrent(c, 2, {{1, 1}});
    DefineCurrent(c, 3, {{1, 1}, {2, -1}});
    DefineCurrent(c, 4, {{2, 1}});
    DefineCurrent(c, 5, {{2, 1}, {3, -1}});
    DefineCurrent(c, 6, {{3, 1}});
    SetSourceVoltage(c, {10, 1});
    return c;
}

}  // namespace sample

#pragma once
// The loop matrix that the branch-current definitions imply, and the matrix
// elements whose definitions disagree with it.
//
// Branch b's current is I0b = Σk s(b, k)·Ik. Walking loop j, the voltage
// across branch b counts with the sign s(b, j), so Zjk = Σb s(b, j)·s(b, k)·Zb:
// the definition of Zjk marks branch b with s(b, j)·s(b, k), and a diagonal
// element marks every branch that carries its loop's current with +1.

#include <array>
#include <optional>
#include <vector>

#include "circuit.h"

// Matrix-element definitions are kept by the position of Zjk,
// (j − 1) × 5 + (k − 1), upper triangle only. Their marks: place 0 is 1 for
// an explicit zero, places 1 … 15 are the branches.
inline constexpr int kElementPositions = Circuit::MaxLoops * Circuit::MaxLoops;
inline constexpr int kElementMarkPlaces = Circuit::MaxBranches + 1;
inline constexpr int ElementPosition(int j, int k) { return (j - 1) * Circuit::MaxLoops + (k - 1); }

// The two descriptions of a circuit, as entered.
struct LoopDefinitions {
    int loops = 0;     // 2 … 5
    int branches = 0;  // 2 … 15
    // Branch b's current at [b − 1], places 1 … loops (place 0 unused);
    // nothing where never defined.
    std::vector<std::optional<Marks>> currents;
    // Zjk at ElementPosition(j, k); nothing where never defined.
    std::array<std::optional<Marks>, kElementPositions> matrix;
};

// Zjk's marks at ElementPosition(j, k), kElementMarkPlaces each.
using ImpliedMatrix = std::array<Marks, kElementPositions>;

struct MatrixDerivation {
    // Branches whose current was never defined, in increasing order.
    std::vector<int> missingCurrents;
    // Loops no branch current mentions, in increasing order; looked for only
    // once every branch current is defined.
    std::vector<int> unmentionedLoops;
    // Only when both lists are empty: every element 1 ≤ j ≤ k ≤ loops; an
    // off-diagonal element with no common branch is the explicit zero.
    std::optional<ImpliedMatrix> matrix;
};

// Counts outside 2 … 15 branches / 2 … 5 loops throw std::invalid_argument.
MatrixDerivation DeriveMatrix(const LoopDefinitions& definitions);

struct BranchCurrentBehind {
    int branch = 0;
    Marks current;  // as defined
};

struct ElementDisagreement {
    int row = 0, column = 0;  // Zjk, j ≤ k
    Marks typed;              // kElementMarkPlaces; nothing marked where never defined
    Marks implied;
    // The currents of the branches whose marks differ, in increasing order:
    // a disagreement can be a mistake in either description.
    std::vector<BranchCurrentBehind> currents;
};

// The elements 1 ≤ j ≤ k ≤ loops whose typed marks differ from the implied
// ones, row by row. The explicit zero, an empty definition and one never
// entered all mean zero; a −1 mark on the diagonal, which the calculation
// ignores, always differs.
std::vector<ElementDisagreement> Disagreements(const LoopDefinitions& definitions, const ImpliedMatrix& implied);

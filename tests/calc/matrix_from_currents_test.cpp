// The loop matrix derived from the branch currents: the sample circuits'
// matrices again, and for random branch currents a matrix whose solution
// satisfies the loop equations those currents stand for.

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <random>
#include <vector>

#include "analysis.h"
#include "matrix_from_currents.h"
#include "tests/support/sample_circuits.h"

namespace {

using Cx = std::complex<long double>;

// The definition as derived: an off-diagonal element with no branch is the
// explicit zero.
Marks Expected(const Circuit& c, int j, int k)
{
    Marks marks(kElementMarkPlaces, 0);
    bool anyBranch = false;
    for (int b = 1; b <= c.BrCnt; ++b) {
        marks[b] = c.ZDef[j][k][b];
        anyBranch = anyBranch || marks[b] != 0;
    }
    if (!anyBranch && j != k) marks[0] = 1;
    return marks;
}

// The definitions a circuit holds, every branch current among them.
LoopDefinitions DefinitionsOf(const Circuit& c)
{
    LoopDefinitions d{c.LoopCnt, c.BrCnt, {}, {}};
    for (int b = 1; b <= c.BrCnt; ++b) d.currents.emplace_back(c.CurDef[b]);
    for (int j = 1; j <= c.LoopCnt; ++j)
        for (int k = j; k <= c.LoopCnt; ++k) d.matrix[ElementPosition(j, k)] = c.ZDef[j][k];
    return d;
}

TEST(MatrixFromCurrents, ReproducesTheSampleCircuitsMatrices)
{
    std::vector<Circuit> circuits = {sample::TwoLoopRlc()};
    for (int loops = 2; loops <= Circuit::MaxLoops; ++loops) circuits.push_back(sample::Ladder(loops));
    for (const Circuit& c : circuits) {
        SCOPED_TRACE(::testing::Message() << c.LoopCnt << " loops, " << c.BrCnt << " branches");
        const LoopDefinitions definitions = DefinitionsOf(c);
        const MatrixDerivation derivation = DeriveMatrix(definitions);
        ASSERT_TRUE(derivation.matrix);
        for (int j = 1; j <= c.LoopCnt; ++j)
            for (int k = j; k <= c.LoopCnt; ++k)
                EXPECT_EQ((*derivation.matrix)[ElementPosition(j, k)], Expected(c, j, k)) << "Z" << j << k;
        EXPECT_TRUE(Disagreements(definitions, *derivation.matrix).empty());
    }
}

// Branch currents of random signs. Every loop owns one branch that carries
// it alone, so the signs have full column rank and, with every branch
// resistive, the derived matrix is regular.
std::vector<Marks> RandomSigns(int loops, int branches, std::mt19937& rng)
{
    std::vector<Marks> signs(static_cast<size_t>(branches), Marks(sample::kCurrentPlaces, 0));
    for (int b = 0; b < loops; ++b) signs[b][b + 1] = rng() % 2 ? 1 : -1;
    for (int b = loops; b < branches; ++b)
        for (int k = 1; k <= loops; ++k) signs[b][k] = static_cast<int16_t>(static_cast<int>(rng() % 3) - 1);
    std::shuffle(signs.begin(), signs.end(), rng);
    return signs;
}

void SetRandomBranches(Circuit& c, std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(0, 1);
    c.Frq = 50 + 450 * u(rng);
    c.EmfCpx = {0.5 + 20 * u(rng), 0};
    for (int b = 1; b <= c.BrCnt; ++b)
        sample::SetBranch(c, b, {10 + 90 * u(rng), 10e-3 * u(rng), u(rng) < 0.6 ? 10e-6 + 90e-6 * u(rng) : 0});
}

Cx ToCx(const Complex& z) { return {z.re, z.im}; }

// Σb s(b, j)·Zb·I0b − E·δ(j, 1) for every loop j, against E.
long double LargestLoopEquationError(const Circuit& c)
{
    const long double e = c.EmfCpx.re;
    long double largest = 0;
    for (int j = 1; j <= c.LoopCnt; ++j) {
        Cx sum = j == 1 ? -e : 0;
        for (int b = 1; b <= c.BrCnt; ++b)
            sum += static_cast<long double>(c.CurDef[b][j]) * ToCx(c.BrImp[b]) * ToCx(c.BrCur[b]);
        largest = std::max(largest, std::abs(sum) / e);
    }
    return largest;
}

TEST(MatrixFromCurrents, SolutionOfTheDerivedMatrixSatisfiesTheLoopEquations)
{
    std::mt19937 rng(20250312);
    for (int loops = 2; loops <= Circuit::MaxLoops; ++loops)
        for (int trial = 0; trial < 40; ++trial) {
            const int branches = loops + static_cast<int>(rng() % (Circuit::MaxBranches - loops + 1));
            SCOPED_TRACE(::testing::Message() << loops << " loops, " << branches << " branches, trial " << trial);
            Circuit c = sample::Empty(loops, branches);
            SetRandomBranches(c, rng);
            const std::vector<Marks> signs = RandomSigns(loops, branches, rng);
            for (int b = 1; b <= branches; ++b) SetCurDef(c, b, signs[b - 1]);
            const MatrixDerivation derivation = DeriveMatrix(DefinitionsOf(c));
            ASSERT_TRUE(derivation.matrix);
            for (int j = 1; j <= loops; ++j)
                for (int k = j; k <= loops; ++k)
                    sample::DefineZByMarks(c, 10 * j + k, (*derivation.matrix)[ElementPosition(j, k)]);
            ASSERT_EQ(calciz(c), AnalysisOutcome::Solved);
            EXPECT_LT(LargestLoopEquationError(c), 1e-12L);
        }
}

}  // namespace

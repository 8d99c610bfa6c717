// The solver and calciz against a plain rendering of their algorithms written
// here: one checked complex operation at a time, the full inverse of the
// augmented matrix with whole rows exchanged, every element sum over every
// mark. The fast paths must give the same bits and fail in the same cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "analysis.h"
#include "analysis_lanes.h"
#include "branch_impedance.h"
#include "checked.h"
#include "network.h"
#include "loop_matrix.h"
#include "solver.h"

namespace {

::testing::AssertionResult SameBits(double expected, double actual)
{
    if (std::bit_cast<uint64_t>(expected) == std::bit_cast<uint64_t>(actual)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << "expected " << expected << ", got " << actual;
}

::testing::AssertionResult SameBits(const Complex& expected, const Complex& actual)
{
    ::testing::AssertionResult re = SameBits(expected.re, actual.re);
    if (!re) return re << " (real part)";
    ::testing::AssertionResult im = SameBits(expected.im, actual.im);
    if (!im) return im << " (imaginary part)";
    return ::testing::AssertionSuccess();
}

double Size(const Complex& z) { return std::max(std::fabs(z.re), std::fabs(z.im)); }

// Gauss–Jordan on [Z | I]: the quotient of every row, the pivot row's own
// included, and the update of every column from the pivot's to the last one;
// then every inverse column divided by its row's diagonal. Rows keep their
// order until a pivot is zero or below TinyPivotRatio times the largest
// entry under it; from then on every pivot is the first largest entry of its
// column from its row down, whole rows exchanged. Tells whether it exchanged.
bool ReferenceInvert(LoopMatrix& m, bool& exchanged)
{
    const int n = m.Rows();
    exchanged = false;
    bool pivoting = false;
    try {
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) m(i, n + j) = i == j ? Complex{1, 0} : Complex{0, 0};
        for (int k = 1; k <= n; ++k) {
            int largest = k;
            for (int r = k + 1; r <= n; ++r)
                if (Size(m(r, k)) > Size(m(largest, k))) largest = r;
            if (Size(m(k, k)) < TinyPivotRatio * Size(m(largest, k))) pivoting = true;
            if (pivoting && largest != k) {
                for (int c = 1; c <= 2 * n; ++c) std::swap(m(k, c), m(largest, c));
                exchanged = true;
            }
            for (int r = 1; r <= n; ++r) {
                Complex t;
                CpxDiv(t, m(r, k), m(k, k));
                if (r == k) continue;
                for (int c = k; c <= 2 * n; ++c) {
                    Complex p;
                    CpxMul(p, m(k, c), t);
                    CpxSub(m(r, c), m(r, c), p);
                }
            }
        }
        for (int r = 1; r <= n; ++r)
            for (int c = n + 1; c <= 2 * n; ++c) CpxDiv(m(r, c), m(r, c), m(r, r));
    } catch (const CalcError&) {
        return false;
    }
    return true;
}

Circuit WithMatrix(const std::vector<Complex>& cells, int n)
{
    Circuit c;
    c.BrCnt = 2;
    c.LoopCnt = static_cast<int16_t>(n);
    InitCircuitData(c);
    for (int r = 1; r <= n; ++r)
        for (int k = 1; k <= n; ++k) c.LoopMat(r, k) = cells[(r - 1) * n + (k - 1)];
    return c;
}

// The solver's first inverse column (the only one the analysis reads) and
// its verdict against the reference. Returns the verdict.
bool ExpectSolverMatchesReference(const std::vector<Complex>& cells, int n, bool& exchanged)
{
    Circuit c = WithMatrix(cells, n);
    LoopMatrix reference = c.LoopMat;
    const bool expectedOk = ReferenceInvert(reference, exchanged);
    const bool ok = TryInvLoopMat(c);
    EXPECT_EQ(ok, expectedOk);
    if (ok && expectedOk) {
        for (int r = 1; r <= n; ++r) EXPECT_TRUE(SameBits(reference(r, n + 1), c.LoopMat(r, n + 1))) << "row " << r;
    }
    return expectedOk;
}

bool ExpectSolverMatchesReference(const std::vector<Complex>& cells, int n)
{
    bool exchanged = false;
    return ExpectSolverMatchesReference(cells, n, exchanged);
}

// Parts of widely spread magnitude and either sign, now and then exactly 0.
double RandomPart(std::mt19937& rng)
{
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-4, 4);
    if (rng() % 5 == 0) return 0;
    const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    return rng() % 2 ? v : -v;
}

std::vector<Complex> RandomCells(std::mt19937& rng, int n)
{
    std::vector<Complex> cells(n * n);
    for (Complex& z : cells) z = {RandomPart(rng), RandomPart(rng)};
    return cells;
}

TEST(SolverOracleTest, RandomMatricesOfEverySize)
{
    std::mt19937 rng(20240611);
    int solved = 0, exchanged = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 2 + trial % 4;
        bool exchanges = false;
        if (ExpectSolverMatchesReference(RandomCells(rng, n), n, exchanges)) ++solved;
        if (exchanges) ++exchanged;
    }
    // Hardly any is singular; many, but far from all, need an exchange.
    EXPECT_GT(solved, 390);
    EXPECT_GT(exchanged, 50);
    EXPECT_LT(exchanged, 350);
}

// Integer matrices whose leading block is singular: the elimination meets
// an exact zero pivot, although the diagonal was non-zero. An exchange
// solves the regular ones; a repeated row stays singular.
TEST(SolverOracleTest, ZeroPivotsMetDuringElimination)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> small(1, 9);
    for (int n = 2; n <= 5; ++n)
        for (int at = 2; at <= n; ++at) {
            std::vector<Complex> cells(n * n);
            for (Complex& z : cells) z = {static_cast<double>(small(rng)), static_cast<double>(small(rng) - 5)};
            // Row `at` repeats row 1 up to column `at`, so after eliminating
            // the columns before it its pivot is exactly 0.
            for (int k = 1; k <= at; ++k) cells[(at - 1) * n + (k - 1)] = cells[k - 1];
            for (int r = 2; r < at; ++r) cells[(r - 1) * n + (r - 1)] = {static_cast<double>(10 * r), 0};
            if (at < n) {
                bool exchanged = false;
                EXPECT_TRUE(ExpectSolverMatchesReference(cells, n, exchanged)) << n << " × " << n << ", row " << at;
                EXPECT_TRUE(exchanged) << n << " × " << n << ", row " << at;
            }
            for (int k = at + 1; k <= n; ++k) cells[(at - 1) * n + (k - 1)] = cells[k - 1];
            EXPECT_FALSE(ExpectSolverMatchesReference(cells, n)) << n << " × " << n << ", row " << at << " repeated";
        }
}

TEST(SolverOracleTest, ZeroDiagonalsAndArithmeticErrors)
{
    std::mt19937 rng(99);
    for (int n = 2; n <= 5; ++n) {
        for (int k = 1; k <= n; ++k) {
            std::vector<Complex> cells = RandomCells(rng, n);
            for (int j = 1; j <= n; ++j) cells[(j - 1) * n + (j - 1)] = {1.0 + j, -1.0 * j};
            cells[(k - 1) * n + (k - 1)] = {0, 0};
            EXPECT_TRUE(ExpectSolverMatchesReference(cells, n)) << "zero diagonal " << k;
        }
        // Squared magnitudes beyond the range, and below it (a pivot whose
        // squared magnitude is 0 although the pivot is not).
        for (double scale : {1e160, 1e300, 1e-170}) {
            std::vector<Complex> cells = RandomCells(rng, n);
            for (int j = 1; j <= n; ++j) cells[(j - 1) * n + (j - 1)] = {3.0 * j, 1};
            cells[(n - 1) * n + (n - 1)] = {scale, scale};
            cells[n - 1] = {scale, -scale};
            ExpectSolverMatchesReference(cells, n);
        }
        // Updates that overflow although every quotient is finite and no
        // pivot is tiny: ±10^308 from the second column on, 1 in the first.
        std::vector<Complex> cells(n * n, Complex{-1e308, 0});
        for (int j = 1; j <= n; ++j) cells[j - 1] = {1e308, 0};
        for (int r = 1; r <= n; ++r) cells[(r - 1) * n] = {1, 0};
        EXPECT_FALSE(ExpectSolverMatchesReference(cells, n));
    }
}

// calciz rebuilt from its steps on the reference solver.
struct ReferenceResults {
    std::optional<int> error;  // the calculation error raised, if any
    int16_t calcErr = 0;
    Complex zReg;
    std::vector<Complex> brImp, loopCur, brCur, brVol;
    std::vector<double> brCurAbs, brVolAbs;
};

Complex ReferenceSum(const Marks& marks, const std::vector<Complex>& values, int count, bool signedSum)
{
    Complex sum;
    for (int i = 1; i <= count; ++i) {
        if (marks[i] == 1) CpxAdd(sum, sum, values[i]);
        if (marks[i] == -1 && signedSum) CpxSub(sum, sum, values[i]);
    }
    return sum;
}

void ReferenceSteps(const Circuit& in, ReferenceResults& out)
{
    const int nb = in.BrCnt, nl = in.LoopCnt;
    out.brImp.assign(nb + 1, Complex{});
    for (int b = 1; b <= nb; ++b) {
        const double omega = checked::Chk(in.Frq * 6.283184);
        double x = checked::Chk(omega * in.BrL[b]);
        if (in.BrC[b] != 0.0) x = checked::Chk(x - checked::Div(1.0, checked::Chk(omega * in.BrC[b])));
        out.brImp[b] = {in.BrR[b], x};
    }
    LoopMatrix m;
    m.Recreate(nl);
    for (int j = 1; j <= nl; ++j) m(j, j) = out.zReg = ReferenceSum(in.ZDef[j][j], out.brImp, nb, false);
    for (int j = 1; j < nl; ++j) {
        for (int k = j + 1; k <= nl; ++k) m(j, k) = out.zReg = ReferenceSum(in.ZDef[j][k], out.brImp, nb, true);
        for (int i = 1; i <= j; ++i) m(j + 1, i) = m(i, j + 1);
    }
    bool exchanged = false;
    if (!ReferenceInvert(m, exchanged)) {
        out.calcErr = 1;
        return;
    }
    out.loopCur.assign(nl + 1, Complex{});
    for (int k = 1; k <= nl; ++k) CpxMul(out.loopCur[k], m(k, nl + 1), in.EmfCpx);
    out.brCur.assign(nb + 1, Complex{});
    out.brCurAbs.assign(nb + 1, 0);
    for (int b = 1; b <= nb; ++b) {
        out.brCur[b] = ReferenceSum(in.CurDef[b], out.loopCur, nl, true);
        out.brCurAbs[b] = CpxAbs(out.brCur[b]);
    }
    out.brVol.assign(nb + 1, Complex{});
    out.brVolAbs.assign(nb + 1, 0);
    for (int b = 1; b <= nb; ++b) {
        CpxMul(out.brVol[b], out.brCur[b], out.brImp[b]);
        out.brVolAbs[b] = CpxAbs(out.brVol[b]);
    }
    CpxDiv(out.zReg, in.EmfCpx, out.loopCur[1]);
}

ReferenceResults Reference(const Circuit& in)
{
    ReferenceResults out;
    try {
        ReferenceSteps(in, out);
    } catch (const CalcError& e) {
        out.error = e.number();
    }
    return out;
}

// Runs calciz on c and compares everything it produces with the reference.
// Returns false when the analysis failed (error raised or singular).
bool ExpectCalcizMatchesReference(Circuit& c)
{
    const ReferenceResults expected = Reference(c);
    std::optional<int> error;
    AnalysisOutcome outcome = AnalysisOutcome::Solved;
    try {
        outcome = calciz(c);
    } catch (const CalcError& e) {
        error = e.number();
    }
    EXPECT_EQ(error, expected.error) << "at " << c.Frq << " Hz";
    if (error || expected.error) return false;
    EXPECT_EQ(outcome == AnalysisOutcome::Singular, expected.calcErr != 0) << "at " << c.Frq << " Hz";
    EXPECT_TRUE(SameBits(expected.zReg, c.ZReg)) << "ZReg at " << c.Frq << " Hz";
    for (int b = 1; b <= c.BrCnt; ++b) EXPECT_TRUE(SameBits(expected.brImp[b], c.BrImp[b])) << "BrImp " << b;
    if (expected.calcErr != 0) return false;
    for (int k = 1; k <= c.LoopCnt; ++k) EXPECT_TRUE(SameBits(expected.loopCur[k], c.LoopCur[k])) << "LoopCur " << k;
    for (int b = 1; b <= c.BrCnt; ++b) {
        EXPECT_TRUE(SameBits(expected.brCur[b], c.BrCur[b])) << "BrCur " << b << " at " << c.Frq << " Hz";
        EXPECT_TRUE(SameBits(expected.brCurAbs[b], c.BrCurAbs[b])) << "BrCurAbs " << b;
        EXPECT_TRUE(SameBits(expected.brVol[b], c.BrVol[b])) << "BrVol " << b;
        EXPECT_TRUE(SameBits(expected.brVolAbs[b], c.BrVolAbs[b])) << "BrVolAbs " << b;
    }
    return true;
}

// Every route against calciz, one frequency after the other on a copy of c:
// outcome or error, and the results put back into a circuit.
void ExpectRoutesMatchCalciz(const Circuit& c, const std::vector<double>& frequencies)
{
    for (SweepRoute route : {SweepRoute::Single, SweepRoute::Portable, SweepRoute::Avx2}) {
        const FrequencyAnalyses analyses = AnalyseFrequencies(c, frequencies, route);
        ASSERT_EQ(analyses.Count(), frequencies.size());
        Circuit expected = c, actual = c;
        for (size_t i = 0; i < frequencies.size(); ++i) {
            expected.Frq = frequencies[i];
            std::optional<int> error, actualError;
            AnalysisOutcome outcome{}, actualOutcome{};
            try {
                outcome = calciz(expected);
            } catch (const CalcError& e) {
                error = e.number();
            }
            try {
                actualOutcome = analyses.ReplayInto(i, actual);
            } catch (const CalcError& e) {
                actualError = e.number();
            }
            const auto where = ::testing::Message() << "route " << static_cast<int>(route) << " at " << frequencies[i];
            ASSERT_EQ(actualError, error) << where;
            EXPECT_EQ(analyses.ErrorNumber(i), error.value_or(0)) << where;
            if (error || outcome == AnalysisOutcome::Singular) {
                EXPECT_EQ(actualOutcome, outcome) << where;
                continue;
            }
            EXPECT_TRUE(SameBits(expected.ZReg, actual.ZReg)) << where;
            for (int b = 1; b <= c.BrCnt; ++b) {
                EXPECT_TRUE(SameBits(expected.BrCur[b], actual.BrCur[b])) << where << ", BrCur " << b;
                EXPECT_TRUE(SameBits(expected.BrCurAbs[b], actual.BrCurAbs[b])) << where << ", BrCurAbs " << b;
                EXPECT_TRUE(SameBits(expected.BrVol[b], actual.BrVol[b])) << where << ", BrVol " << b;
                EXPECT_TRUE(SameBits(expected.BrVolAbs[b], actual.BrVolAbs[b])) << where << ", BrVolAbs " << b;
            }
        }
    }
}

// 121 frequencies: the lanes' last block is not full.
TEST(CalcizOracleTest, SweepsOfTheTestNetworks)
{
    for (const Network& net : {BridgeNetwork(), GridNetwork(), LadderNetwork()}) {
        Circuit c;
        LoadNetwork(c, net);
        c.EmfCpx = {2.5, 0};
        std::vector<double> frequencies;
        for (int i = 0; i <= 120; ++i) {
            c.Frq = std::pow(10.0, 7.0 * i / 120);
            frequencies.push_back(c.Frq);
            EXPECT_TRUE(ExpectCalcizMatchesReference(c)) << "network of " << c.LoopCnt << " loops";
        }
        ExpectRoutesMatchCalciz(c, frequencies);
    }
}

// Whether the solver exchanges rows at c.Frq.
bool ExchangesRows(Circuit c)
{
    bool exchanged = false;
    try {
        for (int b = 1; b <= c.BrCnt; ++b) BrZCalc(c.BrImp[b], c.BrR[b], c.BrL[b], c.BrC[b], c.Frq);
        AsmLoopMat(c);
    } catch (const CalcError&) {
        return false;
    }
    ReferenceInvert(c.LoopMat, exchanged);
    return exchanged;
}

// Elements over many decades; frequencies from 0 to where ωL overflows, 4k + 3 of
// them. Neighbouring frequencies share a block of lanes, and near a
// resonance some of them need a row exchange while others do not.
TEST(CalcizOracleTest, RandomCircuitsOnEveryRoute)
{
    std::mt19937 rng(4);
    std::uniform_real_distribution<double> u(0, 1);
    const auto decades = [&](double low, double high) { return std::pow(10.0, low + (high - low) * u(rng)); };
    int mixedBlocks = 0;
    for (int trial = 0; trial < 40; ++trial) {
        Circuit c;
        c.LoopCnt = static_cast<int16_t>(2 + trial % 4);
        c.BrCnt = static_cast<int16_t>(c.LoopCnt + rng() % (16 - c.LoopCnt));
        InitCircuitData(c);
        // Every impedance and the source scaled down by `tiny` below the
        // plain division's range: the currents stay as large.
        const double tiny = trial % 4 == 3 ? 1e-159 : 1;
        for (int b = 1; b <= c.BrCnt; ++b) {
            c.BrR[b] = u(rng) < 0.1 ? 0 : tiny * decades(-3, 6);
            c.BrL[b] = u(rng) < 0.3 ? 0 : tiny * decades(-9, 0);
            c.BrC[b] = u(rng) < 0.3 ? 0 : decades(-13, -3) / tiny;
        }
        for (int j = 1; j <= c.LoopCnt; ++j)
            for (int k = j; k <= c.LoopCnt; ++k)
                for (int b = 1; b <= c.BrCnt; ++b)
                    c.ZDef[j][k][b] = static_cast<int16_t>(static_cast<int>(rng() % 3) - 1);
        if (trial % 5 == 1) {  // loop 2 repeats loop 1: singular
            for (int16_t& mark : c.ZDef[1][1]) mark = std::max<int16_t>(mark, 0);
            c.ZDef[1][2] = c.ZDef[2][2] = c.ZDef[1][1];
            for (int k = 3; k <= c.LoopCnt; ++k) c.ZDef[2][k] = c.ZDef[1][k];
        }
        for (int b = 1; b <= c.BrCnt; ++b)
            for (int k = 1; k <= c.LoopCnt; ++k) c.CurDef[b][k] = static_cast<int16_t>(static_cast<int>(rng() % 3) - 1);
        c.EmfCpx = {tiny * decades(-2, 3), trial % 3 == 0 ? tiny * decades(-2, 3) : 0};
        std::vector<double> frequencies{0};
        for (int i = 0; i < 198; ++i) frequencies.push_back(std::pow(10.0, -2 + 12.0 * i / 197));
        for (double f : {1e303, 1e306}) frequencies.push_back(f);
        for (size_t first = 0; first + 4 <= frequencies.size(); first += 4) {
            int exchanging = 0;
            for (size_t i = first; i < first + 4; ++i) {
                c.Frq = frequencies[i];
                exchanging += ExchangesRows(c);
            }
            mixedBlocks += exchanging > 0 && exchanging < 4;
        }
        ExpectRoutesMatchCalciz(c, frequencies);
    }
    EXPECT_GT(mixedBlocks, 20);
}

// Random marks make singular matrices, zero diagonals and empty branch
// currents; zero frequencies and zero sources raise errors on the way.
TEST(CalcizOracleTest, RandomDefinitionsIncludingFailures)
{
    std::mt19937 rng(31337);
    std::uniform_real_distribution<double> u(0, 1);
    int succeeded = 0, failed = 0;
    for (int trial = 0; trial < 300; ++trial) {
        Circuit c;
        c.LoopCnt = static_cast<int16_t>(2 + trial % 4);
        c.BrCnt = static_cast<int16_t>(c.LoopCnt + rng() % (16 - c.LoopCnt));
        InitCircuitData(c);
        for (int b = 1; b <= c.BrCnt; ++b) {
            c.BrR[b] = u(rng) < 0.2 ? 0 : 1000 * u(rng);
            c.BrL[b] = u(rng) < 0.4 ? 0 : 0.01 * u(rng);
            c.BrC[b] = u(rng) < 0.4 ? 0 : 1e-5 * u(rng);
        }
        for (int code = 11; code <= 55; ++code) {
            const int j = code / 10, k = code % 10;
            Marks* def = j >= 1 && j <= k && k <= c.LoopCnt ? &c.ZDef[j][k] : nullptr;
            if (def == nullptr) continue;
            for (int b = 1; b <= c.BrCnt; ++b) (*def)[b] = static_cast<int16_t>(static_cast<int>(rng() % 3) - 1);
        }
        for (int b = 1; b <= c.BrCnt; ++b)
            for (int k = 1; k <= c.LoopCnt; ++k) c.CurDef[b][k] = static_cast<int16_t>(static_cast<int>(rng() % 3) - 1);
        c.EmfCpx = {trial % 17 == 0 ? 0.0 : 1 + 9 * u(rng), 0};
        c.Frq = trial % 13 == 0 ? 0.0 : std::pow(10.0, 6 * u(rng));
        (ExpectCalcizMatchesReference(c) ? succeeded : failed)++;
    }
    EXPECT_GT(succeeded, 50);
    EXPECT_GT(failed, 20);
}

}  // namespace

// The analysis against the loop equations Z·I = (E, 0, …, 0)ᵀ: residuals of
// random well-conditioned circuits, with Z rebuilt here from the element
// values, and every value of lossless networks near a series resonance
// against a long-double solution.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "analysis.h"
#include "loop_matrix.h"
#include "network.h"
#include "tests/support/sample_circuits.h"

namespace {

using Cx = std::complex<long double>;

// Every loop owns one strong branch (R ≥ 50 Ω); the weak branches (R ≤ 2 Ω,
// X ≤ 7 Ω) are each shared by a pair of loops, with a random sign. The
// matrix is then strictly diagonally dominant.
struct RandomCircuit {
    int loops = 0;
    std::vector<int> a, b, sign;  // per branch, 1-based; a == b for a strong branch
};

RandomCircuit Build(Circuit& c, int n, std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(0, 1);
    RandomCircuit rc;
    rc.loops = n;
    const int shared = std::min(15 - n, n * (n - 1) / 2 + static_cast<int>(rng() % 3));
    c = sample::Empty(n, n + shared);
    c.Frq = 10 + 990 * u(rng);
    c.EmfCpx = {0.5 + 20 * u(rng), 0};
    rc.a.assign(c.BrCnt + 1, 0);
    rc.b = rc.a;
    rc.sign = rc.a;
    for (int br = 1; br <= c.BrCnt; ++br) {
        if (br <= n) {
            rc.a[br] = rc.b[br] = br;
            c.BrR[br] = 50 + 50 * u(rng);
            c.BrL[br] = 0.1 * u(rng);
            c.BrC[br] = u(rng) < 0.7 ? 1e-6 + 1e-4 * u(rng) : 0;
        } else {
            rc.a[br] = 1 + static_cast<int>(rng() % n);
            rc.b[br] = 1 + (rc.a[br] + static_cast<int>(rng() % (n - 1))) % n;
            rc.sign[br] = rng() % 2 ? 1 : -1;
            c.BrR[br] = 0.1 + 1.9 * u(rng);
            c.BrL[br] = 1e-3 * u(rng);
        }
    }
    for (int j = 1; j <= n; ++j)
        for (int k = j; k <= n; ++k) {
            Marks marks(sample::kMatrixPlaces, 0);
            for (int br = 1; br <= c.BrCnt; ++br) {
                const bool inJ = rc.a[br] == j || rc.b[br] == j;
                const bool inK = rc.a[br] == k || rc.b[br] == k;
                if (j == k && inJ) marks[br] = 1;
                if (j != k && inJ && inK) marks[br] = static_cast<int16_t>(rc.sign[br]);
            }
            sample::DefineZByMarks(c, 10 * j + k, marks);
        }
    for (int br = 1; br <= c.BrCnt; ++br) {
        Marks marks(sample::kCurrentPlaces, 0);
        for (int k = 1; k <= n; ++k) marks[k] = static_cast<int16_t>(rng() % 3) - 1;
        SetCurDef(c, br, marks);
    }
    return rc;
}

Cx BranchImpedance(const Circuit& c, int br)
{
    const long double w = static_cast<long double>(c.Frq) * 6.283184L;
    long double x = w * c.BrL[br];
    if (c.BrC[br] != 0) x -= 1 / (w * c.BrC[br]);
    return {c.BrR[br], x};
}

Cx ToCx(const Complex& z) { return {z.re, z.im}; }

void CheckOne(Circuit& c, const RandomCircuit& rc)
{
    const int n = rc.loops;
    calciz(c);
    std::vector<std::vector<Cx>> z(n + 1, std::vector<Cx>(n + 1));
    for (int br = 1; br <= c.BrCnt; ++br) {
        const Cx zb = BranchImpedance(c, br);
        EXPECT_LT(std::abs(ToCx(c.BrImp[br]) - zb), 1e-13L * std::abs(zb));
        const int j = rc.a[br], k = rc.b[br];
        z[j][j] += zb;
        if (j != k) {
            z[k][k] += zb;
            z[j][k] += static_cast<long double>(rc.sign[br]) * zb;
            z[k][j] += static_cast<long double>(rc.sign[br]) * zb;
        }
    }
    const long double e = c.EmfCpx.re;
    long double residual = 0;
    for (int j = 1; j <= n; ++j) {
        Cx sum = j == 1 ? -e : 0;
        for (int k = 1; k <= n; ++k) sum += z[j][k] * ToCx(c.LoopCur[k]);
        residual = std::max(residual, std::abs(sum));
    }
    EXPECT_LT(residual / e, 1e-12L);
    EXPECT_LT(std::abs(ToCx(c.ZReg) * ToCx(c.LoopCur[1]) - e), 1e-12L * e);
    for (int br = 1; br <= c.BrCnt; ++br) {
        Cx cur = 0;
        for (int k = 1; k <= n; ++k) cur += static_cast<long double>(c.CurDef[br][k]) * ToCx(c.LoopCur[k]);
        EXPECT_LT(std::abs(ToCx(c.BrCur[br]) - cur), 1e-15L * (1 + std::abs(cur)));
        const Cx vol = ToCx(c.BrCur[br]) * ToCx(c.BrImp[br]);
        EXPECT_LT(std::abs(ToCx(c.BrVol[br]) - vol), 1e-13L * (1 + std::abs(vol)));
        EXPECT_NEAR(c.BrCurAbs[br], std::hypot(c.BrCur[br].re, c.BrCur[br].im), 1e-15 * (1 + c.BrCurAbs[br]));
        EXPECT_NEAR(c.BrVolAbs[br], std::hypot(c.BrVol[br].re, c.BrVol[br].im), 1e-15 * (1 + c.BrVolAbs[br]));
    }
}

TEST(ResidualTest, RandomWellConditionedCircuitsOfEverySize)
{
    std::mt19937 rng(20240611);
    for (int n = 2; n <= 5; ++n) {
        for (int trial = 0; trial < 40; ++trial) {
            SCOPED_TRACE("loops " + std::to_string(n) + ", trial " + std::to_string(trial));
            Circuit c;
            const RandomCircuit rc = Build(c, n, rng);
            CheckOne(c, rc);
            if (HasFailure()) return;
        }
    }
}

// A lossless ladder: branch 1, a capacitor, feeds the first rung; the rungs
// are inductors to the reference node and capacitors join their tops. The
// mesh at position p along the ladder is loop order[p]; loop 1 holds the
// source. The series capacitor of the mesh at position `resonant` is chosen
// so that its loop's diagonal element resonates at resonanceHz.
Network LosslessLadder(const std::vector<int>& order, int resonant, long double resonanceHz)
{
    const double rungL[] = {10e-3, 4.7e-3, 22e-3, 6.8e-3};
    const double seriesC[] = {0.22e-6, 10e-6, 4.7e-6, 22e-6};
    const int n = static_cast<int>(order.size());
    const long double w0 = resonanceHz * 6.283184L;
    const long double loopL = rungL[resonant] + (resonant > 0 ? rungL[resonant - 1] : 0.0);
    Network net;
    net.nodes = n + 1;
    auto seriesCapacitance = [&](int p) {
        return p == resonant ? static_cast<double>(1 / (w0 * w0 * loopL)) : seriesC[p];
    };
    net.branches.push_back({0, 1, 0, 0, seriesCapacitance(0)});
    net.loops.resize(n);
    std::vector<LoopTerm> series = {{1, 1}};
    for (int p = 0; p < n; ++p) {
        net.branches.push_back({p + 1, 0, 0, rungL[p], 0});
        const int rung = static_cast<int>(net.branches.size());
        series.push_back({rung, 1});
        net.loops[order[p] - 1] = series;
        if (p + 1 < n) {
            net.branches.push_back({p + 1, p + 2, 0, 0, seriesCapacitance(p + 1)});
            series = {{rung, -1}, {rung + 1, 1}};
        }
    }
    return net;
}

// Z·I = (E, 0, …, 0)ᵀ in long double with partial pivoting, Z the loop
// matrix the solver met (reassembled from the same branch impedances, on a
// copy: assembling overwrites ZReg).
std::vector<Cx> LongDoubleLoopCurrents(Circuit c)
{
    const int n = c.LoopCnt;
    AsmLoopMat(c);
    std::vector<std::vector<Cx>> a(n, std::vector<Cx>(n + 1));
    for (int r = 0; r < n; ++r)
        for (int k = 0; k < n; ++k) a[r][k] = ToCx(c.LoopMat(r + 1, k + 1));
    a[0][n] = c.EmfCpx.re;
    for (int k = 0; k < n; ++k) {
        int best = k;
        for (int r = k + 1; r < n; ++r)
            if (std::abs(a[r][k]) > std::abs(a[best][k])) best = r;
        std::swap(a[k], a[best]);
        for (int r = k + 1; r < n; ++r) {
            const Cx t = a[r][k] / a[k][k];
            for (int j = k; j <= n; ++j) a[r][j] -= t * a[k][j];
        }
    }
    std::vector<Cx> x(n + 1);
    for (int r = n - 1; r >= 0; --r) {
        Cx sum = a[r][n];
        for (int k = r + 1; k < n; ++k) sum -= a[r][k] * x[k + 1];
        x[r + 1] = sum / a[r][r];
    }
    return x;
}

// Within 1e-9 of the reference, or, where the value is small against the
// terms it is formed from, within 1e-12 of their size.
::testing::AssertionResult Close(const Complex& value, const Cx& reference, long double termSize)
{
    const long double error = std::abs(ToCx(value) - reference);
    if (error <= 1e-9L * std::abs(reference) + 1e-12L * termSize) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "off by " << static_cast<double>(error / std::abs(reference))
                                         << " of itself, " << static_cast<double>(error / termSize) << " of its terms";
}

void ExpectLongDoubleValues(Circuit& c)
{
    calciz(c);
    const std::vector<Cx> cur = LongDoubleLoopCurrents(c);
    // A loop current is formed from terms as large as the currents together.
    long double currents = 0;
    for (int k = 1; k <= c.LoopCnt; ++k) currents += std::abs(cur[k]);
    for (int k = 1; k <= c.LoopCnt; ++k) EXPECT_TRUE(Close(c.LoopCur[k], cur[k], currents)) << "I" << k;
    for (int b = 1; b <= c.BrCnt; ++b) {
        Cx branch = 0;
        for (int k = 1; k <= c.LoopCnt; ++k) branch += static_cast<long double>(c.CurDef[b][k]) * cur[k];
        EXPECT_TRUE(Close(c.BrCur[b], branch, currents)) << "current of branch " << b;
        const Cx impedance = ToCx(c.BrImp[b]);
        EXPECT_TRUE(Close(c.BrVol[b], branch * impedance, currents * std::abs(impedance))) << "voltage of branch " << b;
    }
    // E ÷ I1 is as close as I1 is, relatively.
    const Cx zi = static_cast<long double>(c.EmfCpx.re) / cur[1];
    EXPECT_TRUE(Close(c.ZReg, zi, std::abs(zi) * currents / std::abs(cur[1]))) << "Zi";
}

// Near its series resonance a loop's diagonal element nearly cancels while
// the rungs coupling it stay large: a tiny pivot where the loop comes first,
// or meets it mid-elimination where the loops before it do not touch it.
TEST(ResidualTest, LosslessLaddersNearASeriesResonance)
{
    const std::vector<std::vector<int>> orders = {{1, 2}, {1, 2, 3}, {1, 3, 2}, {1, 2, 3, 4}, {1, 4, 3, 2}};
    for (double typedHz : {1591.55, 987.654})
        for (long double offset : {1e-6L, -1e-8L, 1e-10L})
            for (const std::vector<int>& order : orders)
                for (int resonant = 0; resonant < static_cast<int>(order.size()); ++resonant) {
                    SCOPED_TRACE(::testing::Message()
                                 << order.size() << " loops, loop " << order[resonant] << " resonant "
                                 << static_cast<double>(offset) << " above " << typedHz << " Hz");
                    Circuit c;
                    LoadNetwork(c, LosslessLadder(order, resonant, typedHz * (1 + offset)));
                    c.Frq = typedHz;
                    c.EmfCpx = {1, 0};
                    ExpectLongDoubleValues(c);
                }
}

}  // namespace

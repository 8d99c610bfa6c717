// Loop currents of random well-conditioned circuits against the loop
// equations Z·I = (E, 0, …, 0)ᵀ, with Z rebuilt here from the element values.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "analysis.h"
#include "loop_matrix.h"

namespace {

using Cx = std::complex<long double>;

// Every loop owns one strong branch (R ≥ 50 Ω); the weak branches (R ≤ 2 Ω,
// X ≤ 7 Ω) are each shared by a pair of loops, with a random sign. The
// matrix is then strictly diagonally dominant.
struct RandomCircuit {
    int loops = 0;
    std::vector<int> a, b, sign;  // per branch, 1-based; a == b for a strong branch
};

RandomCircuit Build(Circuit& c, int n, std::mt19937& rng) {
    std::uniform_real_distribution<double> u(0, 1);
    RandomCircuit rc;
    rc.loops = n;
    const int shared = std::min(15 - n, n * (n - 1) / 2 + static_cast<int>(rng() % 3));
    c.LoopCnt = static_cast<int16_t>(n);
    c.BrCnt = static_cast<int16_t>(n + shared);
    InitCircuitData(c);
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
            c.ZDefWork.assign(16, 0);
            for (int br = 1; br <= c.BrCnt; ++br) {
                const bool inJ = rc.a[br] == j || rc.b[br] == j;
                const bool inK = rc.a[br] == k || rc.b[br] == k;
                if (j == k && inJ) c.ZDefWork[br] = 1;
                if (j != k && inJ && inK) c.ZDefWork[br] = static_cast<int16_t>(rc.sign[br]);
            }
            if (j == k)
                SetZDiagDef(c, 11 * j);
            else
                SetZMutDef(c, 10 * j + k);
        }
    for (int br = 1; br <= c.BrCnt; ++br) {
        c.CurDefWork.assign(6, 0);
        for (int k = 1; k <= n; ++k) c.CurDefWork[k] = static_cast<int16_t>(rng() % 3) - 1;
        SetCurDef(c, br);
    }
    return rc;
}

Cx BranchImpedance(const Circuit& c, int br) {
    const long double w = static_cast<long double>(c.Frq) * 6.283184L;
    long double x = w * c.BrL[br];
    if (c.BrC[br] != 0) x -= 1 / (w * c.BrC[br]);
    return {c.BrR[br], x};
}

Cx ToCx(const Complex& z) { return {z.re, z.im}; }

void CheckOne(Circuit& c, const RandomCircuit& rc) {
    const int n = rc.loops;
    calciz(c);
    ASSERT_EQ(c.CalcErr, 0);
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

TEST(ResidualTest, RandomWellConditionedCircuitsOfEverySize) {
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

}  // namespace

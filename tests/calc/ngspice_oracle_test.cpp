// calciz against ngspice's AC analysis of the same networks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "analysis.h"
#include "network.h"
#include "ngspice_runner.h"

namespace {

using Cx = std::complex<double>;

constexpr double Emf = 10.0;
const std::vector<double> Frequencies = {30, 400, 2500, 5000, 20000, 150000};

Cx ToCx(const Complex& z) { return {z.re, z.im}; }

double Largest(const std::vector<Cx>& v)
{
    double m = 0;
    for (const Cx& z : v) m = std::max(m, std::abs(z));
    return m;
}

void ExpectAgreement(const Network& net)
{
    const std::vector<NgspiceSolution> oracle = RunNgspice(net, Emf, Frequencies);
    if (oracle.empty()) return;
    Circuit c;
    LoadNetwork(c, net);
    for (size_t f = 0; f < Frequencies.size(); ++f) {
        SCOPED_TRACE("f = " + std::to_string(Frequencies[f]) + " Hz");
        c.Frq = Frequencies[f];
        c.EmfCpx = {Emf, 0};
        calciz(c);
        const NgspiceSolution& s = oracle[f];
        const double iTol = 1e-9 * Largest(s.current);
        const double vTol = 1e-9 * Largest(s.voltage);
        for (int b = 1; b <= c.BrCnt; ++b) {
            SCOPED_TRACE("branch " + std::to_string(b));
            EXPECT_LE(std::abs(ToCx(c.BrCur[b]) - s.current[b - 1]), iTol);
            EXPECT_NEAR(c.BrCurAbs[b], std::abs(s.current[b - 1]), iTol);
            EXPECT_LE(std::abs(ToCx(c.BrVol[b]) - s.voltage[b - 1]), vTol);
            EXPECT_NEAR(c.BrVolAbs[b], std::abs(s.voltage[b - 1]), vTol);
        }
        EXPECT_LE(std::abs(ToCx(c.LoopCur[1]) - s.current[0]), iTol);
        const Cx zi = Emf / s.current[0];
        EXPECT_LE(std::abs(ToCx(c.ZReg) - zi), 1e-9 * std::abs(zi));
    }
}

TEST(NgspiceOracle, ThreeLoopBridge) { ExpectAgreement(BridgeNetwork()); }

TEST(NgspiceOracle, FourLoopGridWithMixedMeshDirections) { ExpectAgreement(GridNetwork()); }

TEST(NgspiceOracle, FiveLoopFifteenBranchLadder) { ExpectAgreement(LadderNetwork()); }

}  // namespace

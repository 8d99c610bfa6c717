// A 501-point frequency sweep of the analysis, in analyses per second, beside the
// same number of bare 5 × 5 complex Gauss–Jordan inversions without any
// checks: the reference for the cost of the checked arithmetic. The same
// sweep on each route of AnalyseFrequencies, against calciz's sweep as the
// reference.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "calc/analysis.h"
#include "calc/analysis_lanes.h"
#include "calc/branch_impedance.h"
#include "calc/circuit.h"
#include "calc/loop_analysis.h"
#include "tests/support/sample_circuits.h"

namespace {

constexpr int Points = 501;

std::vector<double> SweepFrequencies()
{
    std::vector<double> f(Points);
    for (int i = 0; i < Points; ++i) f[i] = std::pow(10.0, 2 + 4.0 * i / (Points - 1));
    return f;
}

// Two loops, three branches: Z11 = Z1 + Z2, Z12 = −Z2, Z22 = Z2 + Z3.
Circuit SampleCircuit() { return sample::TwoLoop({10, 1e-3, 0}, {47, 0, 1e-6}, {22, 4.7e-3, 2.2e-6}); }

// Five loops in a ladder: branch 1 feeds loop 1, loop k has two series
// branches (one in loop 5) and the rungs 11 … 15 lie between the loops.
Circuit LadderCircuit()
{
    Circuit c = sample::Empty(5, 15);
    for (int b = 1; b <= 15; ++b) {
        const double l = b % 4 == 0 ? 0 : 1e-3 * (1 + b % 5);
        const double cap = b % 3 == 0 ? 0 : 1e-7 * (1 + b % 7);
        sample::SetBranch(c, b, {2.0 + 7.0 * b, l, cap});
    }
    const int series[5][2] = {{2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 0}};
    for (int k = 1; k <= 5; ++k) {
        Marks diagonal(sample::kMatrixPlaces, 0);
        diagonal[k == 1 ? 1 : 9 + k] = 1;
        for (int s : series[k - 1])
            if (s != 0) diagonal[s] = 1;
        diagonal[10 + k] = 1;
        sample::DefineZByMarks(c, 11 * k, diagonal);
        for (int m = k + 1; m <= 5; ++m) {
            if (m == k + 1)
                sample::DefineZ(c, 10 * k + m, {{10 + k, -1}});
            else
                sample::DefineZ(c, 10 * k + m, {{0, 1}});
        }
    }
    sample::DefineCurrent(c, 1, {{1, 1}});
    for (int k = 1; k <= 5; ++k)
        for (int s : series[k - 1])
            if (s != 0) sample::DefineCurrent(c, s, {{k, 1}});
    for (int k = 1; k <= 5; ++k) {
        if (k < 5)
            sample::DefineCurrent(c, 10 + k, {{k, 1}, {k + 1, -1}});
        else
            sample::DefineCurrent(c, 15, {{5, 1}});
    }
    return c;
}

void Sweep(benchmark::State& state, const Circuit& c)
{
    const std::vector<double> freqs = SweepFrequencies();
    LoopAnalysis analyses(c);
    for (auto _ : state) {
        bool singular = false;
        for (double f : freqs) {
            singular |= !analyses.At(f);
            benchmark::DoNotOptimize(analyses.InputImpedance());
        }
        if (singular) state.SkipWithError("singular loop matrix");
    }
    state.SetItemsProcessed(state.iterations() * Points);
}

void BM_CalcizSweep_2Loops3Branches(benchmark::State& state) { Sweep(state, SampleCircuit()); }

void RoutedSweep(benchmark::State& state, SweepRoute route)
{
    const Circuit c = LadderCircuit();
    const std::vector<double> freqs = SweepFrequencies();
    for (auto _ : state) {
        const FrequencyAnalyses analyses = AnalyseFrequencies(c, freqs, route);
        benchmark::DoNotOptimize(analyses.InputImpedance(Points - 1));
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
void BM_CalcizSweep_5Loops15Branches(benchmark::State& state) { Sweep(state, LadderCircuit()); }

struct Cx {
    double re, im;
};
inline Cx operator-(Cx a, Cx b) { return {a.re - b.re, a.im - b.im}; }
inline Cx operator*(Cx a, Cx b) { return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im}; }
inline Cx operator/(Cx a, Cx b)
{
    const double d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

constexpr int N = 5;
using Augmented = Cx[N][2 * N];

void BareInvert(Augmented& m)
{
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j) m[i][N + j] = i == j ? Cx{1, 0} : Cx{0, 0};
    for (int k = 0; k < N; ++k)
        for (int r = 0; r < N; ++r) {
            const Cx t = m[r][k] / m[k][k];
            if (r == k) continue;
            for (int c = k; c < 2 * N; ++c) m[r][c] = m[r][c] - m[k][c] * t;
        }
    for (int r = 0; r < N; ++r)
        for (int c = N; c < 2 * N; ++c) m[r][c] = m[r][c] / m[r][r];
}

// The reference inverts the ladder's own loop matrices of the sweep.
void BM_BareInversion_5x5(benchmark::State& state)
{
    const Circuit c = LadderCircuit();
    const std::vector<double> freqs = SweepFrequencies();
    std::vector<Cx> mats;
    for (double f : freqs) {
        const LoopMatrix z = LoopMatrixAt(c, f);
        for (int r = 1; r <= N; ++r)
            for (int k = 1; k <= N; ++k) mats.push_back({z(r, k).re, z(r, k).im});
    }
    Augmented work;
    for (auto _ : state) {
        for (int p = 0; p < Points; ++p) {
            for (int r = 0; r < N; ++r)
                for (int k = 0; k < N; ++k) work[r][k] = mats[(p * N + r) * N + k];
            BareInvert(work);
            benchmark::DoNotOptimize(work[0][N]);
        }
    }
    state.SetItemsProcessed(state.iterations() * Points);
}

}  // namespace

BENCHMARK(BM_BareInversion_5x5);
BENCHMARK(BM_CalcizSweep_5Loops15Branches);
BENCHMARK_CAPTURE(RoutedSweep, 5Loops15Branches_single, SweepRoute::Single);
BENCHMARK_CAPTURE(RoutedSweep, 5Loops15Branches_portable, SweepRoute::Portable);
BENCHMARK_CAPTURE(RoutedSweep, 5Loops15Branches_avx2, SweepRoute::Avx2);
BENCHMARK(BM_CalcizSweep_2Loops3Branches);

BENCHMARK_MAIN();

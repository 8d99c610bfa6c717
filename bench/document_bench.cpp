// Finding the meshes of a drawn 5-mesh, 15-branch ladder and deriving its
// branch currents and loop matrix, beside one single-frequency analysis of
// the same circuit: the derivation runs once per change of the drawing, the
// analysis once per frequency.

#include <benchmark/benchmark.h>

#include "calc/loop_analysis.h"
#include "document/loop_equations.h"
#include "tests/support/drawings.h"
#include "tests/support/sample_circuits.h"

namespace {

void BM_DeriveLoops_5Meshes15Branches(benchmark::State& state)
{
    const Diagram ladder = drawing::Parse(drawing::Ladder(5));
    for (auto _ : state) {
        auto loops = DeriveLoops(ladder);
        benchmark::DoNotOptimize(loops);
    }
    if (!std::holds_alternative<DiagramLoops>(DeriveLoops(ladder))) state.SkipWithError("the drawing was refused");
}

// sample::Ladder(5) is the circuit the drawing describes.
void BM_Calciz_5Loops15Branches(benchmark::State& state)
{
    LoopAnalysis analyses(sample::Ladder(5));
    for (auto _ : state) {
        if (!analyses.At(1000)) state.SkipWithError("singular loop matrix");
        benchmark::DoNotOptimize(analyses.BranchCurrent(1));
    }
}

}  // namespace

BENCHMARK(BM_DeriveLoops_5Meshes15Branches);
BENCHMARK(BM_Calciz_5Loops15Branches);

BENCHMARK_MAIN();

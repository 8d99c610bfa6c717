// The preview page of a 5-loop / 15-branch network — input impedance, and
// the voltages of all 15 branches checked — with the sweep it is handed made
// afresh each time, beside the analyses a page that swept for itself would
// need (a level pass and a phase pass of 501 points per curve), in the same
// run. The ratio page / analyses is the figure that matters.

#include <benchmark/benchmark.h>

#include "calc/circuit.h"
#include "calc/loop_analysis.h"
#include "graph/branch_colour.h"
#include "sweep/graph_state.h"
#include "print/page_host.h"
#include "print/preview_window.h"
#include "tests/support/sample_circuits.h"

namespace {

class NoReturn : public PageHost {
public:
    void PressReturn() override {}
};

// The five-mesh ladder of 15 branches, with R, L and C in most branches.
Circuit Ladder() { return sample::Ladder(5); }

// A value no control sets: the page has its title, frames, grids and labels
// and no curve.
constexpr auto kNoQuantity = static_cast<PlottedQuantity>(5);

GraphState Graph(PlottedQuantity quantity)
{
    GraphState g;
    FillBranchColours(g);
    g.quantity = quantity;
    g.sweepEnd = g.sweepStart * 1e4;
    g.impedanceAxisMax = g.impedanceAxisMin * 1e6;
    g.voltageAxisMin = 1e-4;
    g.voltageAxisMax = 1e2;
    g.phaseAxisMax = g.phaseAxisMin + 180;
    return g;
}

void PreviewPage(benchmark::State& state, PlottedQuantity quantity)
{
    const Circuit c = Ladder();
    const GraphState g = Graph(quantity);
    NoReturn host;
    PreviewWindow window(g, host);
    window.show();
    const bool curves = quantity != kNoQuantity;
    for (auto _ : state) {
        if (curves) {
            SweepResult outcome;
            PlottedSweep sweep = PlotSweep(&c, g, EveryBranch(), true, outcome);
            window.SetSweep(std::move(sweep), outcome);
        }
        window.Preview();
    }
}

// The same analyses in the same order: per curve a level and a phase pass
// over 501 frequencies.
void Analyses(benchmark::State& state, int curves)
{
    LoopAnalysis analyses(Ladder());
    const GraphState g = Graph(PlottedQuantity::InputImpedance);
    const double step = std::pow(10.0, std::log10(g.sweepEnd / g.sweepStart) / 500);
    for (auto _ : state) {
        for (int pass = 0; pass < 2 * curves; ++pass) {
            for (double f = g.sweepStart; f <= g.sweepEnd; f *= step) analyses.At(f);
        }
        benchmark::DoNotOptimize(analyses.InputImpedance());
    }
}

void BM_PreviewPageImpedance(benchmark::State& s) { PreviewPage(s, PlottedQuantity::InputImpedance); }
void BM_AnalysesImpedance(benchmark::State& s) { Analyses(s, 1); }
void BM_PreviewPage15BranchVoltages(benchmark::State& s) { PreviewPage(s, PlottedQuantity::BranchVoltage); }
void BM_Analyses15BranchVoltages(benchmark::State& s) { Analyses(s, 15); }

// Title, frames, grids and labels only: the fixed part of every page.
void BM_PreviewPageWithoutCurves(benchmark::State& s) { PreviewPage(s, kNoQuantity); }
BENCHMARK(BM_PreviewPageWithoutCurves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPageImpedance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysesImpedance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPage15BranchVoltages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Analyses15BranchVoltages)->Unit(benchmark::kMillisecond);

}  // namespace

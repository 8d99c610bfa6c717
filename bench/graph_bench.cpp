// A full redraw of the graphs (clear, axes, sweep and drawing) at the on-screen
// size, against the same analyses without drawing, for the input impedance
// and for the voltages of all 15 branches of a 5-loop ladder.

#include <cmath>
#include <memory>

#include <QCheckBox>
#include <benchmark/benchmark.h>

#include "calc/analysis.h"
#include "calc/complex.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "tests/support/sample_circuits.h"

namespace {

struct BenchHost : GraphHost {
    GraphPage* page = nullptr;
    bool FrequencyCommandEnabled() const override { return true; }
    void PressFrequencyCommand() override { page->RedrawCurrentRange(); }
    void PressReturn() override {}
    void OpenPrintPreview() override {}
};

struct Setup {
    Circuit circuit = sample::Ladder(5);
    GraphState state;
    BenchHost host;
    std::unique_ptr<GraphPage> page;

    explicit Setup(PlottedQuantity quantity)
    {
        FillBranchColours(state);
        page = std::make_unique<GraphPage>(circuit, state, host);
        host.page = page.get();
        page->ResetForNewCircuit();
        for (int b = 1; b <= circuit.BrCnt; ++b) page->BranchCheck(b).setChecked(true);
        page->OnQuantityChosen(quantity);
    }
};

// The analyses of one sweep alone, at the same frequencies.
void Analyses(benchmark::State& st, int branches)
{
    Circuit c = sample::Ladder(5);
    const double start = 100, end = 1e6;
    const double step = std::pow(10.0, Lg10(end / start) / 500);
    c.Emf = c.EmfVal * c.EmfMul;
    c.EmfCpx = {c.Emf, 0};
    for (auto _ : st) {
        for (int b = 1; b <= branches; ++b)
            for (c.Frq = start; c.Frq <= end; c.Frq *= step) {
                calciz(c);
                benchmark::DoNotOptimize(c.ZReg);
            }
    }
}

void Redraw(benchmark::State& st, PlottedQuantity quantity)
{
    Setup s(quantity);
    for (auto _ : st) s.page->OnFrequencySpanChosen(s.state.frequencySpan);
}

void BM_ImpedanceAnalyses(benchmark::State& st) { Analyses(st, 1); }
void BM_ImpedanceRedraw(benchmark::State& st) { Redraw(st, PlottedQuantity::InputImpedance); }
void BM_BranchVoltageAnalyses(benchmark::State& st) { Analyses(st, 15); }
void BM_BranchVoltageRedraw(benchmark::State& st) { Redraw(st, PlottedQuantity::BranchVoltage); }

BENCHMARK(BM_ImpedanceAnalyses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImpedanceRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BranchVoltageAnalyses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BranchVoltageRedraw)->Unit(benchmark::kMillisecond);

}  // namespace

// The preview page of a 5-loop / 15-branch network — input impedance, and
// the voltages of all 15 branches checked — beside the analyses that page
// needs alone (a level pass and a phase pass of 501 points per curve), in the
// same run. The ratio page / analyses is the figure that matters.

#include <QApplication>

#include <benchmark/benchmark.h>

#include "calc/analysis.h"
#include "calc/circuit.h"
#include "graph/branch_colour.h"
#include "graph/graph_state.h"
#include "platform/fonts.h"
#include "print/page_host.h"
#include "print/preview_window.h"

namespace {

class AllChecked : public PageHost {
public:
    bool BranchChecked(int) const override { return true; }
    bool FrequencyCommandEnabled() const override { return true; }
    void PressRetCmd() override {}
};

// Five loops in a row; branch 3k is shared by loops k and k + 1.
Circuit Ladder()
{
    Circuit c;
    c.BrCnt = 15;
    c.LoopCnt = 5;
    InitCircuitData(c);
    for (int b = 1; b <= 15; ++b) {
        c.BrR[b] = 5.0 * b;
        c.BrL[b] = b % 3 == 0 ? 0 : 1e-3 * b;
        c.BrC[b] = b % 4 == 0 ? 0 : 1e-6 * (16 - b);
    }
    for (int k = 1; k <= 5; ++k) {
        Marks& diag = *c.ZDef(11 * k);
        diag.assign(16, 0);
        diag[3 * k - 2] = diag[3 * k - 1] = diag[3 * k] = 1;
        if (k > 1) diag[3 * (k - 1)] = 1;
        if (k < 5) {
            Marks& mut = *c.ZDef(11 * k + 1);
            mut.assign(16, 0);
            mut[3 * k] = -1;
        }
        for (int b = 3 * k - 2; b <= 3 * k; ++b) {
            c.CurDef[b].assign(6, 0);
            c.CurDef[b][k] = 1;
        }
        if (k < 5) c.CurDef[3 * k][k + 1] = -1;
    }
    c.EmfCpx = {1, 0};
    return c;
}

GraphState Graph(int16_t quantity)
{
    GraphState g;
    FillBrColor(g);
    g.GrfQty = quantity;
    g.SwpEnd = g.SwpStart * 1e4;
    g.ZAxMax = g.ZAxMin * 1e6;
    g.VAxMin = 1e-4;
    g.VAxMax = 1e2;
    g.PhAxMax = g.PhAxMin + 180;
    return g;
}

void PreviewPage(benchmark::State& state, int16_t quantity)
{
    Circuit c = Ladder();
    GraphState g = Graph(quantity);
    AllChecked host;
    PreviewWindow window(c, g, host);
    window.show();
    for (auto _ : state) window.Preview();
}

// The same analyses in the same order: per curve a level and a phase pass
// over 501 frequencies.
void Analyses(benchmark::State& state, int curves)
{
    Circuit c = Ladder();
    const GraphState g = Graph(0);
    const double step = std::pow(10.0, std::log10(g.SwpEnd / g.SwpStart) / 500);
    for (auto _ : state) {
        for (int pass = 0; pass < 2 * curves; ++pass) {
            for (c.Frq = g.SwpStart; c.Frq <= g.SwpEnd; c.Frq *= step) calciz(c);
        }
        benchmark::DoNotOptimize(c.ZReg);
    }
}

void BM_PreviewPageImpedance(benchmark::State& s) { PreviewPage(s, 0); }
void BM_AnalysesImpedance(benchmark::State& s) { Analyses(s, 1); }
void BM_PreviewPage15BranchVoltages(benchmark::State& s) { PreviewPage(s, 2); }
void BM_Analyses15BranchVoltages(benchmark::State& s) { Analyses(s, 15); }

// Title, frames, grids and labels only: the fixed part of every page.
void BM_PreviewPageWithoutCurves(benchmark::State& s) { PreviewPage(s, 5); }
BENCHMARK(BM_PreviewPageWithoutCurves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPageImpedance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysesImpedance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPage15BranchVoltages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Analyses15BranchVoltages)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

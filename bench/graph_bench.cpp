// A full redraw of the graphs (clear, axes, sweep and drawing) at the on-screen
// size, against the same analyses without drawing, for the input impedance
// and for the voltages of all 15 branches of a 5-loop ladder.
//
// The graph page's sweep of those voltages (501 points, every curve formed)
// on each route of the analysis, the one-frequency route the reference; and a
// sweep that ends at its first point, which analyses few frequencies on any
// route.
//
// A marker update — the pointer moves over a graph, the marker moves on the
// curve and the readout line shows the analysis there, painted — against one
// analysis and against the marker's drawing alone, measured in the same run:
// the counters give the update's cost in analyses and over analysis plus
// drawing, which stays near 1 since nothing of the graph is drawn again.

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <benchmark/benchmark.h>

#include "calc/loop_analysis.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "graph/marker_overlay.h"
#include "graph/marker_readout.h"
#include "platform/picture_box.h"
#include "tests/support/sample_circuits.h"

namespace {

struct BenchHost : GraphHost {
    GraphPage* page = nullptr;
    CalculatedPage results{sample::Ladder(5), {}, {}, {}};
    const CalculatedPage* Results() const override { return &results; }
    int CircuitBranches() const override { return BranchCount(results.circuit); }
    BranchChecks BranchesWithCurrents() const override { return EveryBranch(); }
    void PressFrequencyCommand() override { page->RedrawCurrentRange(); }
    void PressReturn() override {}
    void OpenPrintPreview() override {}
    void OpenElementTuning() override {}
};

struct Setup {
    Circuit circuit = sample::Ladder(5);
    GraphState state;
    BenchHost host;
    std::unique_ptr<GraphPage> page;

    explicit Setup(PlottedQuantity quantity)
    {
        FillBranchColours(state);
        page = std::make_unique<GraphPage>(state, host);
        host.page = page.get();
        page->ResetForNewCircuit();
        for (int b = 1; b <= BranchCount(circuit); ++b) page->BranchCheck(b).setChecked(true);
        page->OnQuantityChosen(quantity);
    }
};

// The analyses of one sweep alone, at the same frequencies.
void Analyses(benchmark::State& st, int branches)
{
    LoopAnalysis analyses(sample::Ladder(5));
    const double start = 100, end = 1e6;
    const double step = std::pow(10.0, CommonLogarithm(end / start) / 500);
    for (auto _ : st) {
        for (int b = 1; b <= branches; ++b)
            for (double f = start; f <= end; f *= step) {
                analyses.At(f);
                benchmark::DoNotOptimize(analyses.InputImpedance());
            }
    }
}

void Redraw(benchmark::State& st, PlottedQuantity quantity)
{
    Setup s(quantity);
    for (auto _ : st) s.page->OnFrequencySpanChosen(s.state.frequencySpan);
}

// Seconds per run of `work`, the least of several batches.
double SecondsPer(const std::function<void(int)>& work)
{
    constexpr int kBatch = 200;
    double best = 1e9;
    for (int batch = 0; batch < 5; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kBatch; ++i) work(i);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kBatch);
    }
    return best;
}

// Counts the paint events a widget receives.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget& w) { w.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Two pointer places a little apart on the magnitude graph, visited in turn.
double PointerX(int i) { return i % 2 == 0 ? 3.1 : 3.2; }

void BM_MarkerUpdate(benchmark::State& st)
{
    Setup s(PlottedQuantity::InputImpedance);
    s.page->show();
    s.page->OnGraphMouseMove(Graph::Magnitude, PointerX(0), 3);
    QCoreApplication::processEvents();
    const PlottedCurve zi{PlottedQuantity::InputImpedance, 0};
    const auto move = [&](int i) {
        s.page->OnGraphMouseMove(Graph::Magnitude, PointerX(i), 3);
        QCoreApplication::processEvents();
    };
    // Every update is painted: the ring over the graph and the readout line.
    PaintCount ring(s.page->MarkerLayer(Graph::Magnitude)), line(s.page->MarkerValuesLabel());
    int moves = 0;
    for (auto _ : st) move(moves++);
    st.counters["ring_paints_per_update"] = static_cast<double>(ring.paints) / static_cast<double>(st.iterations());
    st.counters["line_paints_per_update"] = static_cast<double>(line.paints) / static_cast<double>(st.iterations());

    // The parts, each timed the same way: one analysis at the
    // pointer's frequency; the marker's drawing (both rings moved, the line's
    // text set, painted); the cursor readout beside the graph, which every
    // pointer move updated before there was a marker.
    LoopAnalysis alone(sample::Ladder(5));
    const double analysis = SecondsPer([&](int i) { benchmark::DoNotOptimize(alone.At(std::pow(10.0, PointerX(i)))); });
    const CurvePoint point = *AnalyseCurveAt(s.circuit, zi, 1000);
    const double drawing = SecondsPer([&](int i) {
        for (Graph graph : kGraphs) s.page->MarkerLayer(graph).ShowAt(PointerX(i), 1.0 + i % 2, Qt::red);
        s.page->MarkerValuesLabel().setText(MarkerValuesText(zi, point, QString::number(i % 2)));
        QCoreApplication::processEvents();
    });
    const double readout = SecondsPer([&](int i) {
        s.page->FrequencyReadoutLabel(Graph::Magnitude).setText(QString::number(i % 2));
        s.page->ValueReadoutLabel(Graph::Magnitude).setText(QString::number(i % 2));
        QCoreApplication::processEvents();
    });
    const double update = SecondsPer(move);
    st.counters["analysis_us"] = analysis * 1e6;
    st.counters["marker_drawing_us"] = drawing * 1e6;
    st.counters["readout_us"] = readout * 1e6;
    st.counters["update_us"] = update * 1e6;
    st.counters["update_in_analyses"] = update / analysis;
    st.counters["update_over_parts"] = update / (analysis + drawing + readout);
}

// The graph page's sweep of the state's span, by the route.
void GraphSweep(benchmark::State& st, const Circuit& c, SweepRoute route)
{
    GraphState g;
    g.sweepStart = 100;
    g.sweepEnd = 1e6;
    const SweepFrequencies f = SweptFrequencies(g.sweepStart, g.sweepEnd, SweepStep(g.sweepStart, g.sweepEnd));
    for (auto _ : st) {
        const SweepData data = AnalyseSweep(c, f, PlottedQuantity::BranchVoltage, EveryBranch(), true, route);
        benchmark::DoNotOptimize(data.curves.back().values.size());
    }
}

void BM_GraphSweep(benchmark::State& st, SweepRoute route) { GraphSweep(st, sample::Ladder(5), route); }

// An inductance so large that every point overflows: the sweep ends at once.
void BM_FailingSweep(benchmark::State& st, SweepRoute route)
{
    Circuit c = sample::Ladder(5);
    sample::SetBranch(c, 1, {1, 1e306, 0});
    GraphSweep(st, c, route);
}

void BM_ImpedanceAnalyses(benchmark::State& st) { Analyses(st, 1); }
void BM_ImpedanceRedraw(benchmark::State& st) { Redraw(st, PlottedQuantity::InputImpedance); }
void BM_BranchVoltageAnalyses(benchmark::State& st) { Analyses(st, 15); }
void BM_BranchVoltageRedraw(benchmark::State& st) { Redraw(st, PlottedQuantity::BranchVoltage); }

BENCHMARK(BM_MarkerUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GraphSweep, single, SweepRoute::Single)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GraphSweep, portable, SweepRoute::Portable)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GraphSweep, avx2, SweepRoute::Avx2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FailingSweep, single, SweepRoute::Single)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FailingSweep, portable, SweepRoute::Portable)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FailingSweep, avx2, SweepRoute::Avx2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImpedanceAnalyses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImpedanceRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BranchVoltageAnalyses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BranchVoltageRedraw)->Unit(benchmark::kMillisecond);

}  // namespace

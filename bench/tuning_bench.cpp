// One step of the tuning window's slider, to the repainted graph page, against
// a redraw of the same graphs, repainted too: the voltages of all 15 branches
// of a 5-loop ladder, the shunt capacitor of branch 2 tuned. The counter
// step_over_redraw is the ratio of the two, measured in the same run; a step
// does one sweep and one drawing, so it stays near 1.

#include <chrono>
#include <functional>
#include <memory>

#include <QCheckBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <QSlider>
#include <benchmark/benchmark.h>

#include "document/qstring_utf8.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "tests/support/sample_circuits.h"
#include "ui/element_tuning_window.h"
#include "ui/texts.h"

namespace {

struct BenchHost : GraphHost, TuningHost {
    GraphPage* page = nullptr;
    CalculatedPage results{sample::Ladder(5), {}, {}, {}};
    const CalculatedPage* Results() const override { return &results; }
    int CircuitBranches() const override { return BranchCount(results.circuit); }
    BranchChecks BranchesWithCurrents() const override { return EveryBranch(); }
    void PressFrequencyCommand() override { page->RedrawCurrentRange(); }
    void PressReturn() override {}
    void OpenPrintPreview() override {}
    void OpenElementTuning() override {}
    // Branch 2's capacitor as entered: 2 μF.
    ElementEntry EnteredElements(int) const override
    {
        ElementEntry entry;
        entry.values[kCapacitanceEntry] = {QStringLiteral("2"), U8(texts::kMicroFarad)};
        return entry;
    }
    bool StoreTunedElement(int, ElementKind, const ValueEntry&) override { return false; }
};

// Seconds per run of each of two works, the least of several batches, the
// batches of the two taken in turn so that a busy machine slows both alike.
std::pair<double, double> SecondsPer(const std::function<void(int)>& first, const std::function<void(int)>& second)
{
    constexpr int kBatch = 50;
    constexpr int kBatches = 12;
    const auto batch = [](const std::function<void(int)>& work) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kBatch; ++i) work(i);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kBatch;
    };
    std::pair<double, double> best{1e9, 1e9};
    for (int b = 0; b < kBatches; ++b) {
        best.first = std::min(best.first, batch(first));
        best.second = std::min(best.second, batch(second));
    }
    return best;
}

void BM_SliderStep(benchmark::State& st)
{
    GraphState state;
    BenchHost host;
    FillBranchColours(state);
    GraphPage page(state, host);
    host.page = &page;
    page.ResetForNewCircuit();
    for (int b = 1; b <= Circuit::MaxBranches; ++b) page.BranchCheck(b).setChecked(true);
    page.show();
    page.OnQuantityChosen(PlottedQuantity::BranchVoltage);
    ElementTuningWindow tuning(page, host, nullptr);
    tuning.KindOption(ElementKind::Capacitance).setChecked(true);
    tuning.OnElementChosen();
    tuning.show();
    QCoreApplication::processEvents();

    // Two slider places a step apart, visited in turn.
    const auto step = [&](int i) {
        tuning.Slider().setValue(ElementTuningWindow::kSliderSteps / 2 + i % 2);
        QCoreApplication::processEvents();
    };
    const auto redraw = [&](int) {
        page.RedrawCurrentRange();
        QCoreApplication::processEvents();
    };
    int moves = 0;
    for (auto _ : st) step(moves++);
    const auto [stepSeconds, redrawSeconds] = SecondsPer(step, redraw);
    st.counters["step_ms"] = stepSeconds * 1e3;
    st.counters["redraw_ms"] = redrawSeconds * 1e3;
    st.counters["step_over_redraw"] = stepSeconds / redrawSeconds;
}

BENCHMARK(BM_SliderStep)->Unit(benchmark::kMillisecond);

}  // namespace

#include <QCheckBox>

#include <gtest/gtest.h>

#include "graph/graph_page.h"
#include "print/graph_page_host.h"
#include "tests/print/page_fixture.h"

namespace {

class MainWindowStandIn : public GraphHost {
public:
    std::optional<CalculatedPage> results;
    int returns = 0;

    const CalculatedPage* Results() const override { return results ? &*results : nullptr; }
    int CircuitBranches() const override { return 3; }
    BranchChecks BranchesWithCurrents() const override { return EveryBranch(); }
    void PressFrequencyCommand() override {}
    void PressReturn() override { ++returns; }
    void OpenPrintPreview() override {}
    void OpenElementTuning() override {}
    QString CircuitFile() const override { return QStringLiteral("bridge.brivel"); }
};

// The printed page's sweep is the graph page's: the ticked branches of the
// calculated circuit, none before a calculation.
TEST(GraphPageHost, ThePageSweepsTheTickedBranchesOfTheCalculationAndReturns)
{
    GraphState state = DefaultGraph();
    MainWindowStandIn main;
    GraphPage page(state, main);
    GraphPageHost host(page, main);
    state.quantity = PlottedQuantity::BranchCurrent;

    page.BranchCheck(1).setChecked(true);
    page.BranchCheck(3).setChecked(true);
    page.BranchCheck(2).setChecked(false);
    SweepResult outcome;
    EXPECT_TRUE(page.SweepNow(outcome).data.curves.empty());
    EXPECT_EQ(outcome.kind, SweepResult::NoCalculation);
    main.results = CalculatedPage{SampleCircuit(), {}, {}, {}};
    const PlottedSweep sweep = page.SweepNow(outcome);
    EXPECT_EQ(outcome.kind, SweepResult::Completed);
    EXPECT_EQ(CurvesOf(sweep),
              (std::vector<PlottedCurve>{{PlottedQuantity::BranchCurrent, 1}, {PlottedQuantity::BranchCurrent, 3}}));

    host.PressReturn();
    EXPECT_EQ(main.returns, 1);
    EXPECT_EQ(host.CircuitFile(), "bridge.brivel");
}

}  // namespace

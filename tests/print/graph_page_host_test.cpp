#include <QCheckBox>

#include <gtest/gtest.h>

#include "graph/graph_page.h"
#include "print/graph_page_host.h"
#include "tests/print/page_fixture.h"

namespace {

class MainWindowStandIn : public GraphHost {
public:
    bool enabled = false;
    int returns = 0;

    bool FrequencyCommandEnabled() const override { return enabled; }
    BranchChecks BranchesWithCurrents() const override { return EveryBranch(); }
    void PressFrequencyCommand() override {}
    void PressReturn() override { ++returns; }
    void OpenPrintPreview() override {}
};

TEST(GraphPageHost, ReadsTheBranchBoxesAndTheCalculationSignAndReturns)
{
    Circuit circuit = SampleCircuit();
    GraphState state = DefaultGraph();
    MainWindowStandIn main;
    GraphPage page(circuit, state, main);
    GraphPageHost host(page, main);

    page.BranchCheck(1).setChecked(true);
    page.BranchCheck(3).setChecked(true);
    page.BranchCheck(2).setChecked(false);
    EXPECT_TRUE(host.BranchChecked(1));
    EXPECT_FALSE(host.BranchChecked(2));
    EXPECT_TRUE(host.BranchChecked(3));
    EXPECT_FALSE(host.BranchChecked(0));
    EXPECT_FALSE(host.BranchChecked(16));

    EXPECT_FALSE(host.FrequencyCommandEnabled());
    main.enabled = true;
    EXPECT_TRUE(host.FrequencyCommandEnabled());

    host.PressReturn();
    EXPECT_EQ(main.returns, 1);
}

}  // namespace

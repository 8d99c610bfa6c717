#pragma once
// A graph page on a circuit of the test's choice, with a fake main window
// and message boxes caught instead of shown.

#include <memory>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>

#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "tests/support/caught_messages.h"
#include "platform/picture_box.h"
#include "tests/support/sample_circuits.h"

// While enabled, the results are those of the circuit as it is now.
struct FakeHost : GraphHost {
    bool enabled = false;
    int frequencyPresses = 0, returns = 0, previews = 0, tunings = 0;
    GraphPage* page = nullptr;
    const Circuit* circuit = nullptr;
    mutable std::optional<CalculatedPage> results;

    const CalculatedPage* Results() const override
    {
        results.reset();
        if (enabled) results = CalculatedPage{*circuit, {}, {}, {}};
        return results ? &*results : nullptr;
    }
    int CircuitBranches() const override { return BranchCount(*circuit); }
    BranchChecks BranchesWithCurrents() const override { return EveryBranch(); }
    // The main window shows the graph tab and redraws.
    void PressFrequencyCommand() override
    {
        ++frequencyPresses;
        page->RedrawCurrentRange();
    }
    void PressReturn() override { ++returns; }
    void OpenPrintPreview() override { ++previews; }
    void OpenElementTuning() override { ++tunings; }
};

// A right click on the graph at `at` (its logical pixels), then the item
// chosen from the menu it opens with the keyboard.
inline void ChooseFromGraphMenu(GraphPage& page, Graph graph, QPoint at, GraphMenuItem item)
{
    PictureBox& box = page.GraphBox(graph);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box.mapToGlobal(at));
    QApplication::sendEvent(&box, &event);
    QMenu& menu = page.GraphMenu();
    ASSERT_TRUE(menu.isVisible());
    ASSERT_TRUE(page.MenuAction(item).isEnabled());
    menu.setActiveAction(&page.MenuAction(item));
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_FALSE(menu.isVisible());
}

// The page on its host, with the circuit the host calculates.
struct HostedPage {
    explicit HostedPage(Circuit c) : circuit(std::move(c))
    {
        FillBranchColours(state);
        host.circuit = &circuit;
        page = std::make_unique<GraphPage>(state, host);
        host.page = page.get();
        page->ResetForNewCircuit();
    }

    Circuit circuit;
    GraphState state;
    FakeHost host;
    std::unique_ptr<GraphPage> page;
    CaughtMessages messages;
};

class PageTest : public ::testing::Test, protected HostedPage {
protected:
    explicit PageTest(Circuit c = sample::TwoLoopRlc()) : HostedPage(std::move(c)) {}

    // As after a successful calculation: the command is enabled.
    void Calculated() { host.enabled = true; }
};

// The page on screen after a calculation, plotting one curve: the input
// impedance, or the current or voltage of branch `branch` alone.
struct ShownPage : HostedPage {
    ShownPage(Circuit c, PlottedQuantity quantity, int branch) : HostedPage(std::move(c))
    {
        page->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        host.enabled = true;
        if (quantity != PlottedQuantity::InputImpedance) {
            page->BranchCheck(1).setChecked(branch == 1);
            page->BranchCheck(branch).setChecked(true);
            QTest::mouseClick(&page->QuantityOption(quantity), Qt::LeftButton);
        } else {
            host.PressFrequencyCommand();
        }
    }
};

#pragma once
// A graph page on a circuit of the test's choice, with a fake main window
// and message boxes caught instead of shown.

#include <memory>
#include <vector>

#include <QString>
#include <gtest/gtest.h>

#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "platform/message_box.h"
#include "tests/support/sample_circuits.h"

struct FakeHost : GraphHost {
    bool enabled = false;
    int frequencyPresses = 0, returns = 0, previews = 0;
    GraphPage* page = nullptr;

    bool FrequencyCommandEnabled() const override { return enabled; }
    // The main window shows the graph tab and redraws.
    void PressFrequencyCommand() override
    {
        ++frequencyPresses;
        page->RedrawCurrentRange();
    }
    void PressReturn() override { ++returns; }
    void OpenPrintPreview() override { ++previews; }
};

struct CaughtMessage {
    QString text;
    MessageIcon icon;
};

class PageTest : public ::testing::Test {
protected:
    explicit PageTest(Circuit c = sample::TwoLoopRlc()) : circuit(std::move(c))
    {
        previousInterceptor = SetMessageInterceptor([this](const QString& text, MessageIcon icon) {
            messages.push_back({text, icon});
        });
        FillBranchColours(state);
        page = std::make_unique<GraphPage>(circuit, state, host);
        host.page = page.get();
        page->ResetForNewCircuit();
    }
    ~PageTest() override { SetMessageInterceptor(previousInterceptor); }

    // As after a successful calculation: the command is enabled.
    void Calculated() { host.enabled = true; }

    Circuit circuit;
    GraphState state;
    FakeHost host;
    std::unique_ptr<GraphPage> page;
    std::vector<CaughtMessage> messages;
    MessageInterceptor previousInterceptor;
};

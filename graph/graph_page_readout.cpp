// The cursor readout beside each graph, and its hold, which holds the trace
// marker too.

#include <QLabel>

#include "graph/graph_page.h"
#include "graph/readout_text.h"
#include "platform/picture_box.h"

void GraphPage::ShowReadout(Graph graph, bool visible)
{
    frequencyReadouts_[IndexOf(graph)]->setVisible(visible);
    valueReadouts_[IndexOf(graph)]->setVisible(visible);
}

GraphPage::HeldTexts& GraphPage::Held(Graph graph)
{
    const bool branches =
        state_.quantity == PlottedQuantity::BranchCurrent || state_.quantity == PlottedQuantity::BranchVoltage;
    const PlottedQuantity quantity = branches ? state_.quantity : PlottedQuantity::InputImpedance;
    return held_[IndexOf(graph)][static_cast<int>(quantity)];
}

void GraphPage::OnGraphMouseMove(Graph graph, double x, double y)
{
    const int i = IndexOf(graph);
    graphs_[i]->SetCrossCursor(true);
    pointer_ = {graph, graphs_[i]->ToPainter(x, y)};
    const Graph other = OtherGraph(graph);
    ShowReadout(other, ReadoutHeld(other));
    if (!markerHeld_) MoveMarker(graph, x, y);
    if (ReadoutHeld(graph)) {
        frequencyReadouts_[i]->setText(Held(graph).frequency);
        valueReadouts_[i]->setText(Held(graph).value);
        return;
    }
    ShowReadout(graph, true);
    frequencyReadouts_[i]->setText(FrequencyReadout(x));
    valueReadouts_[i]->setText(graph == Graph::Magnitude ? MagnitudeReadout(state_.quantity, y) : PhaseReadout(y));
}

void GraphPage::OnGraphClick(Graph graph)
{
    const int i = IndexOf(graph);
    readoutHeld_[i] = !readoutHeld_[i];
    Held(graph) = {frequencyReadouts_[i]->text(), valueReadouts_[i]->text()};
    markerHeld_ = readoutHeld_[i] && marker_.has_value();
}

void GraphPage::OnPanelMouseMove()
{
    pointer_.reset();
    for (Graph graph : kGraphs) ShowReadout(graph, ReadoutHeld(graph));
    if (!markerHeld_) DropMarker();
}

// After a change of the plotted quantity a held readout shows what was held
// for the new one; a free one shows a reading of the old one and goes.
void GraphPage::ShowHeldReadouts()
{
    for (Graph graph : kGraphs) {
        const bool held = ReadoutHeld(graph);
        ShowReadout(graph, held);
        frequencyReadouts_[IndexOf(graph)]->setText(held ? Held(graph).frequency : QString());
        valueReadouts_[IndexOf(graph)]->setText(held ? Held(graph).value : QString());
    }
}

void GraphPage::RefreshFreeReadout()
{
    if (!pointer_) return;
    const auto [graph, pixel] = *pointer_;
    if (ReadoutHeld(graph) || frequencyReadouts_[IndexOf(graph)]->isHidden()) return;
    const QPointF at = graphs_[IndexOf(graph)]->ToUser(pixel);
    OnGraphMouseMove(graph, at.x(), at.y());
}

void GraphPage::DropReadoutHolds()
{
    readoutHeld_ = {};
    held_ = {};
    ShowHeldReadouts();
    DropMarker();
}

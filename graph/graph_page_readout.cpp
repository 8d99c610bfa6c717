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

std::optional<GraphPage::Reading>& GraphPage::Held(Graph graph)
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
        ShowReading(graph, Held(graph));
        return;
    }
    ShowReadout(graph, true);
    ShowReading(graph, Reading{x, y});
}

void GraphPage::ShowReading(Graph graph, const std::optional<Reading>& reading)
{
    const int i = IndexOf(graph);
    shownReadings_[i] = reading;
    if (!reading) {
        frequencyReadouts_[i]->clear();
        valueReadouts_[i]->clear();
        return;
    }
    frequencyReadouts_[i]->setText(FrequencyReadout(reading->x));
    valueReadouts_[i]->setText(graph == Graph::Magnitude ? MagnitudeReadout(state_.quantity, reading->y)
                                                         : PhaseReadout(reading->y));
}

void GraphPage::OnGraphClick(Graph graph)
{
    const int i = IndexOf(graph);
    readoutHeld_[i] = !readoutHeld_[i];
    Held(graph) = shownReadings_[i];
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
        ShowReading(graph, held ? Held(graph) : std::nullopt);
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

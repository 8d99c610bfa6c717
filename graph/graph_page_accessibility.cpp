// The graph page for assistive technology: names for its pictures and
// position buttons, and descriptions of what each graph shows.

#include <QToolButton>

#include "document/language.h"
#include "calc/unit_texts.h"
#include "graph/graph_page.h"
#include "graph/graph_texts.h"
#include "platform/picture_box.h"
#include "platform/shown_text.h"

namespace {

// Plain decimals, as a screen reader reads them best.
QString Number(double v) { return QString::number(v, 'g', 12); }

}  // namespace

void GraphPage::NameControls()
{
    ShowText(graphs_[IndexOf(Graph::Magnitude)], TextRole::AccessibleName, graph_text::kNameMagnitudeGraph);
    ShowText(graphs_[IndexOf(Graph::Phase)], TextRole::AccessibleName, graph_text::kNamePhaseGraph);
    ShowText(levelScales_[IndexOf(Graph::Magnitude)], TextRole::AccessibleName, graph_text::kNameMagnitudeScale);
    ShowText(levelScales_[IndexOf(Graph::Phase)], TextRole::AccessibleName, graph_text::kNamePhaseScale);
    ShowText(frequencyScale_, TextRole::AccessibleName, graph_text::kNameFrequencyScale);
    ShowText(magnitudeUpButton_, TextRole::AccessibleName, graph_text::kNameMagnitudeUp);
    ShowText(magnitudeDownButton_, TextRole::AccessibleName, graph_text::kNameMagnitudeDown);
    ShowText(frequencyLeftButton_, TextRole::AccessibleName, graph_text::kNameFrequencyLeft);
    ShowText(frequencyRightButton_, TextRole::AccessibleName, graph_text::kNameFrequencyRight);
    ShowText(phaseUpButton_, TextRole::AccessibleName, graph_text::kNamePhaseUp);
    ShowText(phaseDownButton_, TextRole::AccessibleName, graph_text::kNamePhaseDown);
}

void GraphPage::DescribeGraphs()
{
    struct Shown {
        const char* quantity;
        double min, max;
        const char* unit;
    };
    const Shown shown =
        state_.quantity == PlottedQuantity::BranchCurrent
            ? Shown{graph_text::kQtyCurrent, state_.currentAxisMin, state_.currentAxisMax, unit_text::kAmpere}
        : state_.quantity == PlottedQuantity::BranchVoltage
            ? Shown{graph_text::kQtyVoltage, state_.voltageAxisMin, state_.voltageAxisMax, unit_text::kVolt}
            : Shown{graph_text::kQtyImpedance, state_.impedanceAxisMin, state_.impedanceAxisMax, unit_text::kOhm};
    const QString quantity = Tr(shown.quantity);
    const QString from = Number(state_.sweepStart), to = Number(state_.sweepEnd);
    graphs_[IndexOf(Graph::Magnitude)]->setAccessibleDescription(
        Tr(graph_text::kDescribeMagnitudeGraph)
            .arg(quantity, from, to, Number(shown.min), Number(shown.max), Tr(shown.unit)));
    graphs_[IndexOf(Graph::Phase)]->setAccessibleDescription(
        Tr(graph_text::kDescribePhaseGraph)
            .arg(quantity, from, to, Number(state_.phaseAxisMin), Number(state_.phaseAxisMax)));
}

// The graph page for assistive technology: names for its pictures and
// position buttons, and descriptions of what each graph shows.

#include <QToolButton>

#include "document/language.h"
#include "calc/unit_texts.h"
#include "graph/graph_page.h"
#include "graph/graph_texts.h"
#include "platform/picture_box.h"
#include "document/qstring_utf8.h"

namespace {

// Plain decimals, as a screen reader reads them best.
QString Number(double v) { return QString::number(v, 'g', 12); }

}  // namespace

void GraphPage::NameControls()
{
    graphs_[IndexOf(Graph::Magnitude)]->setAccessibleName(Tr(graph_text::kNameMagnitudeGraph));
    graphs_[IndexOf(Graph::Phase)]->setAccessibleName(Tr(graph_text::kNamePhaseGraph));
    levelScales_[IndexOf(Graph::Magnitude)]->setAccessibleName(Tr(graph_text::kNameMagnitudeScale));
    levelScales_[IndexOf(Graph::Phase)]->setAccessibleName(Tr(graph_text::kNamePhaseScale));
    frequencyScale_->setAccessibleName(Tr(graph_text::kNameFrequencyScale));
    magnitudeUpButton_->setAccessibleName(Tr(graph_text::kNameMagnitudeUp));
    magnitudeDownButton_->setAccessibleName(Tr(graph_text::kNameMagnitudeDown));
    frequencyLeftButton_->setAccessibleName(Tr(graph_text::kNameFrequencyLeft));
    frequencyRightButton_->setAccessibleName(Tr(graph_text::kNameFrequencyRight));
    phaseUpButton_->setAccessibleName(Tr(graph_text::kNamePhaseUp));
    phaseDownButton_->setAccessibleName(Tr(graph_text::kNamePhaseDown));
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
    const QString quantity = U8(shown.quantity);
    const QString from = Number(state_.sweepStart), to = Number(state_.sweepEnd);
    graphs_[IndexOf(Graph::Magnitude)]->setAccessibleDescription(
        Tr(graph_text::kDescribeMagnitudeGraph)
            .arg(quantity, from, to, Number(shown.min), Number(shown.max), U8(shown.unit)));
    graphs_[IndexOf(Graph::Phase)]->setAccessibleDescription(
        Tr(graph_text::kDescribePhaseGraph)
            .arg(quantity, from, to, Number(state_.phaseAxisMin), Number(state_.phaseAxisMax)));
}

#include "graph/axes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "document/language.h"
#include "calc/loop_analysis.h"
#include "calc/number_text.h"
#include "graph/graph_texts.h"
#include "graph/label_row.h"
#include "graph/quantity_units.h"

namespace {

QString Num(double v) { return QString::fromStdString(FmtNum(v)); }

void SetGraphScales(const GraphState& g, GraphBoxes& b)
{
    b.magnitudeGraph.SetScale(g.frequencyGridOrigin, g.magnitudeDecades, g.frequencyDecades, g.magnitudeGridOrigin);
    b.phaseGraph.SetScale(g.frequencyGridOrigin, g.phaseDivisions, g.frequencyDecades, g.phaseGridOrigin);
}

// Which grid lines of the frequency axis carry a label. `step` is the grid
// spacing of the decade that k lies in.
bool FrequencyLabelled(int decades, double k, double step)
{
    if (decades == 4) return k == step;
    if (k < 10) return k == 1 || std::fmod(k, 2) == 0;
    return k == 10 || std::fmod(k, 20) == 0;
}

// A label starts just left of its grid line where it fits; at the ends of
// the strip it moves inside, so that it is read whole. At the right end a
// quarter of a space stays clear for ink that reaches past the last advance;
// more would run the label into its neighbour.
double LabelLeft(const DrawSurface& strip, const QString& text, double wanted, double left, double right)
{
    const double clear = strip.TextWidth(QStringLiteral(" ")) / 4;
    return std::max(left, std::min(wanted, right - clear - strip.TextWidth(text)));
}

// A vertical grid line of the frequency axis: where it lies, its frequency
// and whether it carries a label. The last decade keeps its spacing up to
// and including 10^decades.
struct FrequencyLine {
    float x;
    double f;
    bool first, labelled;
};

std::vector<FrequencyLine> FrequencyLines(const GraphState& g)
{
    const int decades = static_cast<int>(g.frequencyDecades);
    const double top = std::pow(10.0, decades);
    std::vector<FrequencyLine> lines;
    double k = 1;
    double f = g.sweepStart;
    double step = 1;
    while (k <= top) {
        lines.push_back({static_cast<float>(CommonLogarithm(k)), f, k == 1, FrequencyLabelled(decades, k, step)});
        k += step;
        f += step * g.sweepStart;
        if (k >= 10 * step && k < top) step *= 10;
    }
    return lines;
}

void PrintFrequencyLabels(GraphState& g, DrawSurface& strip)
{
    strip.SetScale(g.frequencyGridOrigin, 2, g.frequencyDecades, 0);
    const double labelShift = g.frequencyDecades == 2 ? 0.035 : 0.045;
    std::vector<RowLabel> labels;
    for (const FrequencyLine& line : FrequencyLines(g)) {
        const QString label = FrequencyLabel(line.f);
        g.lastFrequencyLabel = label.toStdString();
        const QString text = line.first ? label + Tr(graph_text::kHz) : label;
        if (line.labelled)
            labels.push_back({text,
                              LabelLeft(strip, text, line.x - labelShift, g.frequencyGridOrigin, g.frequencyDecades),
                              strip.TextWidth(text)});
    }
    KeepClearOfNext(labels);
    for (const RowLabel& l : labels) {
        strip.MoveTo(l.left, 1.6);
        strip.Print(l.text);
    }
}

void FrequencyAxis(GraphState& g, GraphBoxes& b, int decades)
{
    const double top = std::pow(10.0, decades);
    g.sweepEnd = g.sweepStart * top;
    g.frequencySpan = decades == 2 ? FrequencySpan::TwoDecades : FrequencySpan::FourDecades;
    g.frequencyGridOrigin = 0;
    g.frequencyDecades = static_cast<float>(decades);

    SetGraphScales(g, b);
    for (const FrequencyLine& line : FrequencyLines(g)) {
        b.magnitudeGraph.Line(line.x, g.magnitudeGridOrigin, line.x, g.magnitudeDecades, kGridColour);
        b.phaseGraph.Line(line.x, g.phaseGridOrigin, line.x, g.phaseDivisions, kGridColour);
    }
    PrintFrequencyLabels(g, b.frequencyScale);
}

void PrintLevelLabels(const GraphState& g, GraphBoxes& b)
{
    b.magnitudeScale.SetScale(0, g.magnitudeDecades, 2, g.magnitudeGridOrigin);
    b.phaseScale.SetScale(0, g.phaseDivisions, 2, g.phaseGridOrigin);
    const UnitTable& units = UnitsOf(g.quantity);
    const double bottom = LevelBottom(g);
    for (float y = static_cast<float>(g.magnitudeGridOrigin); y <= g.magnitudeDecades; y += 1) {
        b.magnitudeScale.MoveTo(0.1, y);
        const double v = std::pow(10.0, y) * bottom;
        const UnitRange& range = RangeOf(units, v);
        b.magnitudeScale.PrintNumber(InUnit(range, v));
        if (v == range.unitPoint) b.magnitudeScale.Print(QString(range.spacedOnScale ? " " : "") + Tr(range.unit));
    }
    for (float y = static_cast<float>(g.phaseGridOrigin); y <= g.phaseDivisions; y += 1) {
        b.phaseScale.MoveTo(0.1, y);
        b.phaseScale.PrintNumber(30 * y + g.phaseAxisMin);
        if (y == g.phaseDivisions) b.phaseScale.Print(Tr(graph_text::kDegreeLabel));
    }
}

void LevelAxis(GraphState& g, GraphBoxes& b, int decades)
{
    g.levelSpan = decades == 6 ? LevelSpan::SixDecades : LevelSpan::FourDecades;
    g.magnitudeGridOrigin = 0;
    g.magnitudeDecades = static_cast<float>(decades);
    g.phaseGridOrigin = 0;
    g.phaseDivisions = static_cast<float>(decades);

    const double span = std::pow(10.0, decades);
    g.impedanceAxisMax = span * g.impedanceAxisMin;
    g.phaseAxisMax = 30 * g.phaseDivisions + g.phaseAxisMin;
    g.currentAxisMax = span * g.currentAxisMin;
    g.voltageAxisMax = span * g.voltageAxisMin;

    SetGraphScales(g, b);
    for (float y = static_cast<float>(g.magnitudeGridOrigin); y <= g.magnitudeDecades; y += 1)
        b.magnitudeGraph.Line(g.frequencyGridOrigin, y, g.frequencyDecades, y, kGridColour);
    for (float y = static_cast<float>(g.phaseGridOrigin); y <= g.phaseDivisions; y += 1)
        b.phaseGraph.Line(g.frequencyGridOrigin, y, g.frequencyDecades, y, kGridColour);
    PrintLevelLabels(g, b);
}

}  // namespace

QString FrequencyLabel(double f)
{
    if (f >= 1e6) return Num(f / 1e6) + 'M';
    if (f >= 1000) return Num(f / 1000) + Tr(graph_text::kKilo);
    return Num(f);
}

double LevelBottom(const GraphState& g)
{
    switch (g.quantity) {
    case PlottedQuantity::BranchCurrent:
        return g.currentAxisMin;
    case PlottedQuantity::BranchVoltage:
        return g.voltageAxisMin;
    default:
        return g.impedanceAxisMin;
    }
}

void DrawFrequencyAxis(GraphState& g, GraphBoxes& boxes, FrequencySpan span)
{
    FrequencyAxis(g, boxes, span == FrequencySpan::TwoDecades ? 2 : 4);
}

void DrawLevelAxis(GraphState& g, GraphBoxes& boxes, LevelSpan span)
{
    LevelAxis(g, boxes, span == LevelSpan::SixDecades ? 6 : 4);
}

void RelabelScales(GraphState& g, GraphBoxes& boxes)
{
    boxes.frequencyScale.Clear();
    boxes.magnitudeScale.Clear();
    boxes.phaseScale.Clear();
    PrintFrequencyLabels(g, boxes.frequencyScale);
    PrintLevelLabels(g, boxes);
}

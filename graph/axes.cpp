#include "graph/axes.h"

#include <algorithm>
#include <cmath>

#include "calc/complex.h"
#include "calc/number_text.h"
#include "graph/graph_texts.h"
#include "graph/quantity_units.h"

namespace {

QString Num(double v) { return QString::fromStdString(FmtNum(v)); }

void SetGraphScales(const GraphState& g, GraphBoxes& b)
{
    b.impGrf0.SetScale(g.HGridOrg, g.MagDecades, g.HDecades, g.MagGridOrg);
    b.impGrf1.SetScale(g.HGridOrg, g.PhDivs, g.HDecades, g.PhGridOrg);
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

void FrqAxis(GraphState& g, GraphBoxes& b, int decades)
{
    const double top = std::pow(10.0, decades);
    g.SwpEnd = g.SwpStart * top;
    g.HSpanSel = decades == 2 ? 0 : 1;
    g.HGridOrg = 0;
    g.HDecades = static_cast<float>(decades);

    SetGraphScales(g, b);
    b.frqScl.SetScale(g.HGridOrg, 2, g.HDecades, 0);

    const double labelShift = decades == 2 ? 0.035 : 0.045;
    double k = 1;
    double f = g.SwpStart;
    double step = 1;
    while (k <= top) {
        const float x = static_cast<float>(Lg10(k));
        b.impGrf0.Line(x, g.MagGridOrg, x, g.MagDecades, kGridColour);
        b.impGrf1.Line(x, g.PhGridOrg, x, g.PhDivs, kGridColour);
        const QString label = FrequencyLabel(f);
        g.FrqLbl = label.toStdString();
        const QString text = k == 1 ? label + QString::fromUtf8(graph_text::kHz) : label;
        b.frqScl.SetCurrentX(LabelLeft(b.frqScl, text, x - labelShift, g.HGridOrg, g.HDecades));
        b.frqScl.SetCurrentY(1.6);
        if (FrequencyLabelled(decades, k, step)) b.frqScl.Print(text);
        k += step;
        f += step * g.SwpStart;
        // The last decade keeps its spacing up to and including 10^decades.
        if (k >= 10 * step && k < top) step *= 10;
    }
}

void LevelAxis(GraphState& g, GraphBoxes& b, int decades)
{
    g.VSpanSel = decades == 6 ? 0 : 1;
    g.MagGridOrg = 0;
    g.MagDecades = static_cast<float>(decades);
    g.PhGridOrg = 0;
    g.PhDivs = static_cast<float>(decades);

    const double span = std::pow(10.0, decades);
    g.ZAxMax = span * g.ZAxMin;
    g.PhAxMax = 30 * g.PhDivs + g.PhAxMin;
    g.IAxMax = span * g.IAxMin;
    g.VAxMax = span * g.VAxMin;

    SetGraphScales(g, b);
    b.impScl0.SetScale(0, g.MagDecades, 2, g.MagGridOrg);
    b.impScl1.SetScale(0, g.PhDivs, 2, g.PhGridOrg);

    const UnitTable& units = UnitsOf(g.GrfQty);
    const double bottom = LevelBottom(g);
    for (float y = static_cast<float>(g.MagGridOrg); y <= g.MagDecades; y += 1) {
        b.impGrf0.Line(g.HGridOrg, y, g.HDecades, y, kGridColour);
        b.impScl0.SetCurrentX(0.1);
        b.impScl0.SetCurrentY(y);
        const double v = std::pow(10.0, y) * bottom;
        const UnitRange& range = RangeOf(units, v);
        b.impScl0.PrintNum(InUnit(range, v));
        if (v == range.unitPoint)
            b.impScl0.Print(QString(range.spacedOnScale ? " " : "") + QString::fromUtf8(range.unit));
    }
    for (float y = static_cast<float>(g.PhGridOrg); y <= g.PhDivs; y += 1) {
        b.impGrf1.Line(g.HGridOrg, y, g.HDecades, y, kGridColour);
        b.impScl1.SetCurrentX(0.1);
        b.impScl1.SetCurrentY(y);
        b.impScl1.PrintNum(30 * y + g.PhAxMin);
        if (y == g.PhDivs) b.impScl1.Print(QString::fromUtf8(graph_text::kDegreeLabel));
    }
}

}  // namespace

QString FrequencyLabel(double f)
{
    if (f >= 1e6) return Num(f / 1e6) + 'M';
    if (f >= 1000) return Num(f / 1000) + 'K';
    return Num(f);
}

double LevelBottom(const GraphState& g)
{
    switch (g.GrfQty) {
    case 1: return g.IAxMin;
    case 2: return g.VAxMin;
    default: return g.ZAxMin;
    }
}

void FrqAxis2(GraphState& g, GraphBoxes& boxes) { FrqAxis(g, boxes, 2); }
void FrqAxis4(GraphState& g, GraphBoxes& boxes) { FrqAxis(g, boxes, 4); }
void LevelAxis6(GraphState& g, GraphBoxes& boxes) { LevelAxis(g, boxes, 6); }
void LevelAxis4(GraphState& g, GraphBoxes& boxes) { LevelAxis(g, boxes, 4); }

// The legend of the printed page, in the free space below the phase frame's
// frequency labels: a title row when it has a title, then rows of entries,
// each a short stroke in the curve's colour and line style and its text in
// the page's ink.

#include "document/language.h"
#include "graph/branch_colour.h"
#include "platform/draw_surface.h"
#include "print/page_drawer.h"
#include "print/page_line_styles.h"
#include "print/print_texts.h"

namespace {

// Of an entry's column, in page units: the stroke, long enough to show
// every pattern whole, then the text after a gap.
constexpr double kStrokeUnits = 12;
constexpr double kTextUnits = 14;
constexpr double kFramesWidthUnits = 150;
constexpr double kFramesLeftUnits = 10;

}  // namespace

CurveLegend PageLegendOf(const PlottedSweep& sweep, const GraphState& graph)
{
    const bool impedance = sweep.quantity == PlottedQuantity::InputImpedance;
    const bool branches =
        sweep.quantity == PlottedQuantity::BranchCurrent || sweep.quantity == PlottedQuantity::BranchVoltage;
    CurveLegend legend;
    if (!sweep.family.empty()) {
        legend = LegendOf(sweep);
        for (size_t m = 0; m < legend.entries.size(); ++m)
            legend.entries[m].dashes = Dashes(MemberLineStyle(static_cast<int>(m)));
    } else if (impedance || branches) {
        for (const PlottedCurve& curve : CurvesOf(sweep)) {
            if (impedance)
                legend.entries.push_back({kLiveCurveColour, CurveName(curve), Dashes(kLineStyles[0])});
            else
                legend.entries.push_back({BranchColour(graph.branchColours[curve.branch]), CurveName(curve),
                                          Dashes(BranchLineStyle(curve.branch))});
        }
    }
    if (impedance && graph.keptCurve.on && !legend.entries.empty())
        legend.entries.push_back({kKeptPageColour, Tr(prtext::kKeptCurve), Dashes(kKeptLineStyle)});
    return legend;
}

void PageDrawer::DrawLegend(const CurveLegend& legend)
{
    if (legend.entries.empty()) return;
    DrawSurface& s = surf();
    const float D = LayoutWidth(prt_.paper.paperWidthMm, prt_.margins);
    const double u = static_cast<double>(D) / 160.0;
    const double row = LegendRowHeight(D);
    const double left = kFramesLeftUnits * u;
    const double column = kFramesWidthUnits * u / kLegendColumns;
    double top = LegendTop(D);
    if (!legend.title.isEmpty()) {
        s.MoveTo(left, top);
        s.Print(legend.title);
        top += row;
    }
    for (size_t i = 0; i < legend.entries.size(); ++i) {
        const LegendEntry& entry = legend.entries[i];
        const double x = left + column * static_cast<double>(i % kLegendColumns);
        const double rowTop = top + row * static_cast<double>(i / kLegendColumns);
        const double middle = rowTop + s.TextHeight(entry.text) / 2;
        s.SetCurveDashes(entry.dashes);
        s.Stroke(x, middle, x + kStrokeUnits * u, middle, entry.colour);
        s.MoveTo(x + kTextUnits * u, rowTop);
        s.Print(entry.text);
    }
    s.SetCurveDashes({});
}

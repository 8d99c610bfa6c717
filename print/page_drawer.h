#pragma once
// Draws the report page — title, frames, frequency grid, level and phase
// scales and the curves of the plotted quantity — on whichever surface
// PrintState::surface is. The curves are those of a sweep handed to it,
// computed by the graph page's own routine, so the page shows what the graph
// page shows, laid out for paper, each curve in its colour and line style,
// named in a legend below the phase graph. Drawing analyses nothing, shows
// nothing and
// presses nothing: it tells what became of the page, and whoever asked for
// it decides what to say.

#include <QColor>

#include "graph/curve_legend.h"
#include "print/print_state.h"
#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"

class DrawSurface;

// The kept curve on the page: cyan, which stands out from the branch colours.
inline const QColor kKeptPageColour{0, 255, 255};

// Each curve the page of the sweep draws, in its colour and line style: the
// input impedance and the kept curve, each ticked branch's current or
// voltage, or a stepped family's values under the element's name.
CurveLegend PageLegendOf(const PlottedSweep& sweep, const GraphState& graph);

class PageDrawer {
public:
    // `picture` is the preview picture, which receives the dotted margin
    // outline whatever the current surface is (unless it is drawn for the
    // clipboard). `sweep` was made of the state with `outcome`. The graph
    // state is copied: the page sets its own spans and tops on the copy.
    PageDrawer(PrintState& prt, DrawSurface& picture, const GraphState& graph, const PlottedSweep& sweep,
               const SweepResult& outcome);

    // Completed for a whole page. NoCalculation when nothing can be drawn
    // before a valid calculation, Failed with the description of an
    // arithmetic error of the page or of the impedance curve; the surface
    // then holds a partial page. A failure of the branch curves ends them
    // silently, leaving the page as far as it was drawn. The graphs, then
    // when they are complete their legend.
    SweepResult DrawPage();
    // The page without its legend: title, frames, scales and curves.
    SweepResult DrawGraphs();
    // The legend's rows below the phase frame's labels; nothing for a
    // legend without entries.
    void DrawLegend(const CurveLegend& legend);

private:
    struct FrameMaps;
    class PenTrace;

    void DrawHead();
    bool DrawFrequencyGrid();
    void DrawLevelScale(int n);
    void PrintLevelLabel(float row);
    SweepResult PlotImpedancePage();
    SweepResult PlotBranchPage();
    SweepResult PlotFamilyPage();
    void PlotKeptCurve(const FrameMaps& s);
    FrameMaps MakeFrameMaps();
    // The curve's magnitudes, then its phases, each pass over the points it
    // has; only the magnitudes when the curve ended before its last point.
    void PlotLevel(const FrameMaps& s, const SweepCurve& curve, const QColor& colour);
    void PlotPhase(const FrameMaps& s, const SweepCurve& curve, const QColor& colour);

    DrawSurface& surf() const { return *prt_.surface; }

    PrintState& prt_;
    DrawSurface& picture_;
    GraphState g_;
    const PlottedSweep& sweep_;
    SweepResult outcome_;
    bool curvesPlotted_ = false;  // the page went as far as its curves
};

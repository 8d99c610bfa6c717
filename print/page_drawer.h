#pragma once
// Draws the report page — title, frames, frequency grid, level and phase
// scales and the curves of the plotted quantity — on whichever surface
// PrintState::surface is. The curves are those of a sweep handed to it,
// computed by the graph page's own routine, so the page shows what the graph
// page shows, laid out for paper; a stepped family with its legend below the
// phase graph. Drawing analyses nothing, shows nothing and
// presses nothing: it tells what became of the page, and whoever asked for
// it decides what to say.

#include <QColor>

#include "graph/curve_legend.h"
#include "print/print_state.h"
#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"

class DrawSurface;

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
    // silently, leaving the page as far as it was drawn.
    SweepResult DrawPage();

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
    // The legend's rows below the phase frame's labels.
    void DrawLegend(const CurveLegend& legend);
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
};

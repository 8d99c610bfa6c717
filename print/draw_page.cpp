#include "calc/calc_error.h"
#include "platform/draw_surface.h"
#include "print/page_drawer.h"

PageDrawer::PageDrawer(PrintState& prt, DrawSurface& picture, const GraphState& graph, const PlottedSweep& sweep,
                       const SweepResult& outcome)
    : prt_(prt), picture_(picture), g_(graph), sweep_(sweep), outcome_(outcome)
{
}

SweepResult PageDrawer::DrawPage()
{
    const SweepResult graphs = DrawGraphs();
    surf().SetCurveDashes({});
    if (graphs.kind == SweepResult::Completed && curvesPlotted_) DrawLegend(PageLegendOf(sweep_, g_));
    return graphs;
}

SweepResult PageDrawer::DrawGraphs()
{
    try {
        DrawHead();
        if (!DrawFrequencyGrid()) return {};
        switch (g_.levelSpan) {
        case LevelSpan::SixDecades:
            DrawLevelScale(6);
            break;
        case LevelSpan::FourDecades:
            DrawLevelScale(4);
            break;
        }
        curvesPlotted_ = true;
        if (!sweep_.family.empty()) return PlotFamilyPage();
        switch (g_.quantity) {
        case PlottedQuantity::InputImpedance:
            return PlotImpedancePage();
        case PlottedQuantity::BranchCurrent:
        case PlottedQuantity::BranchVoltage:
            return PlotBranchPage();
        default:
            curvesPlotted_ = false;
            return {};
        }
    } catch (const CalcError& e) {
        return {SweepResult::Failed, e.description()};
    }
}

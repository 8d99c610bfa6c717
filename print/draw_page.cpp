#include "calc/calc_error.h"
#include "print/page_drawer.h"

PageDrawer::PageDrawer(PrintState& prt, DrawSurface& picture, const GraphState& graph, const PlottedSweep& sweep,
                       const SweepResult& outcome)
    : prt_(prt), picture_(picture), g_(graph), sweep_(sweep), outcome_(outcome)
{
}

SweepResult PageDrawer::DrawPage()
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
        if (!sweep_.family.empty()) return PlotFamilyPage();
        switch (g_.quantity) {
        case PlottedQuantity::InputImpedance:
            return PlotImpedancePage();
        case PlottedQuantity::BranchCurrent:
        case PlottedQuantity::BranchVoltage:
            return PlotBranchPage();
        default:
            return {};
        }
    } catch (const CalcError& e) {
        return {SweepResult::Failed, e.description()};
    }
}

#include "calc/calc_error.h"
#include "sweep/graph_state.h"
#include "print/page_drawer.h"

PageDrawer::PageDrawer(PrintState& prt, DrawSurface& picture, GraphState& graph, const Circuit& circuit, PageHost& host,
                       QWidget* messageParent)
    : prt_(prt), picture_(picture), g_(graph), c_(circuit), host_(host), messageParent_(messageParent)
{
}

// An arithmetic error of the page (the impedance curves included) ends the
// page with its description; the caller decides what becomes of the surface.
bool PageDrawer::DrawPage()
{
    try {
        DrawHead();
        if (!DrawFrequencyGrid()) return true;
        switch (g_.levelSpan) {
        case LevelSpan::SixDecades:
            DrawLevelScale(6);
            break;
        case LevelSpan::FourDecades:
            DrawLevelScale(4);
            break;
        }
        switch (g_.quantity) {
        case PlottedQuantity::InputImpedance:
            return PlotImpedancePage();
        case PlottedQuantity::BranchCurrent:
            return PlotBranchPage(false);
        case PlottedQuantity::BranchVoltage:
            return PlotBranchPage(true);
        default:
            return true;
        }
    } catch (const CalcError& e) {
        Report(MessageIcon::Information, QString::fromStdString(e.description()));
        return false;
    }
}

void PageDrawer::Report(MessageIcon icon, const QString& text) const { ShowMessage(text, icon, messageParent_); }

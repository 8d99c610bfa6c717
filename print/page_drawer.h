#pragma once
// Draws the report page — title, frames, frequency grid, level and phase
// scales and the curves of the plotted quantity — on whichever surface
// PrintState::surface is. The curves are computed afresh by the analysis at
// every point, so the page shows what the graph page shows, laid out for paper.
// The analyses run on a copy of the circuit: the circuit given and its
// results stay as they are.

#include <functional>

#include <QString>

#include "calc/analysis.h"
#include "calc/circuit.h"
#include "platform/message_box.h"
#include "print/print_state.h"

class DrawSurface;
class PageHost;
class QWidget;
struct GraphState;

class PageDrawer {
public:
    // `picture` is the preview picture, which receives the dotted margin
    // outline whatever the current surface is (unless it is drawn for the clipboard).
    // Messages are shown over `messageParent`.
    PageDrawer(PrintState& prt, DrawSurface& picture, GraphState& graph, const Circuit& circuit, PageHost& host,
               QWidget* messageParent = nullptr);

    // False when the page could not be completed; the reason has been shown
    // to the user and the surface holds a partial page.
    bool DrawPage();

private:
    struct CurveScale;
    class PenTrace;
    enum class PointCheck { Draw, Skip, Stop };
    enum class PassEnd { Complete, Stopped };

    void DrawHead();
    bool DrawFrequencyGrid();
    void DrawLevelScale(int n);
    void PrintLevelLabel(float row);
    bool PlotImpedancePage();
    bool PlotBranchPage(bool voltages);
    void PlotKeptCurve(const CurveScale& s);
    CurveScale MakeScale(double bottom, double top);
    // One pass over the page's 501 frequencies: analysis, then `point` with
    // the log-frequency of each point that has a result to draw. A point that
    // divides by zero is left out, as on the screen; any other arithmetic
    // error ends the pass.
    PassEnd Sweep(const std::function<void(float)>& point);
    PointCheck CheckSingular(AnalysisOutcome outcome);
    void Report(MessageIcon icon, const QString& text) const;

    DrawSurface& surf() const { return *prt_.surface; }

    PrintState& prt_;
    DrawSurface& picture_;
    GraphState& g_;
    Circuit c_;
    PageHost& host_;
    QWidget* messageParent_;
};

#pragma once
// The graph page: the panel of the main window's second tab with the
// magnitude and phase graphs, their label strips and titles, the cursor
// readouts, and the frames for the plotted quantity, the branches, the kept
// curve and print commands, the position buttons and the ranges.
//
// Every control's handler is a public member so the main window and tests
// can run it; a handler run by the program (an option selected, a button
// pressed) is a direct call. The page reads and writes the graph state it is
// given, which outlives it, and sweeps copies of the circuits its host
// calculated.

#include <array>
#include <optional>

#include <QPointF>
#include <QString>
#include <QWidget>

#include "sweep/curve_searches.h"
#include "sweep/element_value.h"
#include "graph/graph_boxes.h"
#include "graph/graph_host.h"
#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"
#include "sweep/position_steps.h"
#include "graph/sweep.h"
#include "platform/save_file_dialog.h"

class LegendOverlay;
class MarkerOverlay;
class QAbstractButton;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class PictureBox;

// The trace marker: on one plotted curve at one frequency, with the
// analysis' value there, and the search whose finding it holds: every point,
// the marker at the first, noted on the readout line.
struct TraceMarker {
    PlottedCurve curve;
    CurvePoint point;
    std::optional<CurveSearch> search;
    SearchFinding finding;
};

// The items of the graphs' menu.
enum class GraphMenuItem { Maximum, Minimum, HalfPower, PhaseZero, Fit, SaveCsv, Tune };
inline constexpr int kGraphMenuItems = 7;

class GraphPage : public QWidget {
    Q_OBJECT
public:
    GraphPage(GraphState& state, GraphHost& host, QWidget* parent = nullptr);
    ~GraphPage() override;

    // The graph part of a new circuit: blue graphs cleared, state back to its
    // start values, 4 frequency and 6 level decades drawn empty, "グラフ保存"
    // offered, readouts free, branch 1 ticked and the input impedance chosen.
    void ResetForNewCircuit();
    // Redraws as the frequency-characteristics command does: deselects and
    // reselects the current frequency span option.
    void RedrawCurrentRange();

    // Span options: the redraw sequences.
    void OnFrequencySpanChosen(FrequencySpan span);
    void OnLevelSpanChosen(LevelSpan span);
    // Plotted quantity and branch boxes.
    void OnQuantityChosen(PlottedQuantity quantity);
    void OnBranchCheckClicked(int b);
    // Position buttons: each moves the lower bound of its scale one step.
    void OnMoveFrequency(StepDirection direction);
    void OnMoveMagnitude(StepDirection direction);
    void OnMovePhase(StepDirection direction);
    // "グラフ保存" and "グラフ保存消去".
    void OnKeepCurve();
    void OnDropKeptCurve();
    void OnPrint();
    void OnReturn();
    // Cursor readout: mouse over a graph at (x, y) in its user coordinates,
    // click on a graph, mouse over the panel outside the graphs.
    void OnGraphMouseMove(Graph graph, double x, double y);
    void OnGraphClick(Graph graph);
    void OnPanelMouseMove();
    // Frees and hides both readouts and forgets every held text: what they
    // held belongs to results that are gone. For a new calculation and
    // anything that clears the results. The marker goes with them.
    void DropReadoutHolds();
    // The circuit on screen changed: the holds go, and curves drawn before
    // are marked out of date until curves are drawn again.
    void OnCircuitChanged();
    // Whether curves of a calculated circuit were drawn since the last reset.
    bool HasDrawnCircuit() const { return drawnFrom_.has_value(); }
    // The sweep of the state now, by the routine of every redraw, on a copy of
    // the circuit the curves are drawn from: the circuit of the last redraw
    // that found a valid calculation, or before any that of the host's
    // results. Every curve, the marker, the readout line, the searches and
    // the printed page read that circuit, whatever the circuit on screen has
    // become since.
    PlottedSweep SweepNow(SweepResult& outcome) const;
    QLabel& OutOfDateLabel() { return *outOfDateLine_; }

    // Tuning and stepping: the curves of copies of the drawn circuit with one
    // element varied, drawn at once; for a branch quantity a stepped family
    // shows the element's own branch. The circuit and its results are not
    // touched.
    void VaryElement(const ElementVariation& variation);
    // The drawn circuit's own curves again.
    void EndVariation();
    const std::optional<ElementVariation>& Variation() const { return variation_; }

    // The graphs' menu at `at` (the graph's logical pixels), and its items.
    void OnGraphMenuRequested(Graph graph, const QPointF& at);
    // Searches the curve under the marker, or without one the curve nearest
    // to where the menu was asked for, and holds the marker at what it finds.
    void OnSearch(CurveSearch search);
    // "自動調整": the magnitude and phase positions that bring the curves
    // inside the graphs, then the redraw.
    void OnFitPositions();
    // "ＣＳＶで保存…": the plotted sweep to a file.
    void OnSaveCsv();
    void SetSaveFileChooser(SaveFileChooser chooser);

    // The marker while there is one, and whether a click or a search holds it.
    const std::optional<TraceMarker>& Marker() const { return marker_; }
    bool MarkerHeld() const { return markerHeld_; }
    MarkerOverlay& MarkerLayer(Graph graph) { return *markerOverlays_[IndexOf(graph)]; }
    // The legend over the magnitude graph while a stepped family is drawn.
    LegendOverlay& Legend() { return *legend_; }
    QLabel& MarkerNameLabel() { return *markerName_; }
    QLabel& MarkerValuesLabel() { return *markerValues_; }
    QMenu& GraphMenu() { return *graphMenu_; }
    QAction& MenuAction(GraphMenuItem item) { return *menuActions_[static_cast<int>(item)]; }
    // The sweep on the graphs; empty before the first and after a failed one.
    const PlottedSweep& Plotted() const { return plotted_; }

    // The boxes as drawing surfaces.
    GraphBoxes& Boxes() { return boxes_; }
    PictureBox& GraphBox(Graph graph) { return *graphs_[IndexOf(graph)]; }
    PictureBox& LevelScale(Graph graph) { return *levelScales_[IndexOf(graph)]; }
    PictureBox& FrequencyScale() { return *frequencyScale_; }

    // The branches whose box is ticked and offered: a branch without a
    // branch current has no curve.
    BranchChecks CheckedBranches() const;

    // Controls, for the main window and tests.
    QRadioButton& FrequencySpanOption(FrequencySpan span) { return *frequencySpanOptions_[static_cast<int>(span)]; }
    QRadioButton& LevelSpanOption(LevelSpan span) { return *levelSpanOptions_[static_cast<int>(span)]; }
    QRadioButton& QuantityOption(PlottedQuantity quantity) { return *quantityOptions_[static_cast<int>(quantity)]; }
    QCheckBox& BranchCheck(int b) { return *branchChecks_[b]; }
    QToolButton& FrequencyLeftButton() { return *frequencyLeftButton_; }
    QToolButton& FrequencyRightButton() { return *frequencyRightButton_; }
    QToolButton& MagnitudeUpButton() { return *magnitudeUpButton_; }
    QToolButton& MagnitudeDownButton() { return *magnitudeDownButton_; }
    QToolButton& PhaseUpButton() { return *phaseUpButton_; }
    QToolButton& PhaseDownButton() { return *phaseDownButton_; }
    QPushButton& KeepCurveButton() { return *keepCurveButton_; }
    QPushButton& DropKeptCurveButton() { return *dropKeptCurveButton_; }
    QPushButton& PrintButton() { return *printButton_; }
    QPushButton& ReturnButton() { return *returnButton_; }
    QLabel& FrequencyReadoutLabel(Graph graph) { return *frequencyReadouts_[IndexOf(graph)]; }
    QLabel& ValueReadoutLabel(Graph graph) { return *valueReadouts_[IndexOf(graph)]; }
    QLabel& TitleLabel(Graph graph) { return *titles_[IndexOf(graph)]; }

    // Whether a click has held the readout of the graph.
    bool ReadoutHeld(Graph graph) const { return readoutHeld_[IndexOf(graph)]; }

signals:
    // A new circuit: an element varied belongs to the old one.
    void circuitReset();
    // The circuit on screen has changed since the curves were drawn.
    void circuitChanged();

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildGraphs();
    void BuildQuantityFrame();
    void BuildBranchFrame();
    void BuildCommandFrame();
    void BuildPositionFrame();
    void BuildRangeFrame();
    void BuildMarker();
    void BuildOutOfDateLine();
    // Names for assistive technology, and what each graph shows.
    void NameControls();
    void DescribeGraphs();
    void BuildGraphMenu();
    void Connect();

    static void SelectOption(std::array<QRadioButton*, 2>& pair, int chosen);
    QRadioButton& CurrentFrequencySpanOption() { return FrequencySpanOption(state_.frequencySpan); }
    QRadioButton& CurrentLevelSpanOption() { return LevelSpanOption(state_.levelSpan); }
    void DeselectRanges();
    void RunSweep();
    // The branches a sweep of the variation plots.
    BranchChecks VariedBranches() const;
    void ForgetFinding();
    // After a stepped family is drawn: what ended a member's sweep early.
    void ShowFamilyFailure();
    // Whether a redraw has a circuit to draw: one whose calculation is valid,
    // or the one of the curves drawn before.
    bool CanRedraw() const { return host_.Results() != nullptr || drawnFrom_.has_value(); }
    // The boxes of the drawn circuit's branches while a branch quantity is
    // plotted, captioned, coloured and offered only for a branch with a
    // branch current.
    void ShowBranchChecks();
    void SweepAndKeptCurve();
    void ShowKeepCurveOnly();
    void ShowReadout(Graph graph, bool visible);
    void ShowHeldReadouts();
    // A free readout shown again for where the pointer last was on a graph,
    // read in the scales now drawn.
    void RefreshFreeReadout();
    // A reading of a graph: the point, in the graph's user coordinates, whose
    // frequency and value its readouts show.
    struct Reading {
        double x, y;
    };
    // The reading held by a click or a search; nothing while none is.
    std::optional<Reading>& Held(Graph graph);
    // The readouts of the graph show the reading, or nothing.
    void ShowReading(Graph graph, const std::optional<Reading>& reading);

    // The plotted curve whose point at x lies nearest to y on the graph.
    std::optional<PlottedCurve> CurveNear(Graph graph, double x, double y) const;
    void MoveMarker(Graph graph, double x, double y);
    void PlaceMarker(const PlottedCurve& curve, const CurvePoint& point, std::optional<CurveSearch> search = {},
                     const SearchFinding& finding = {});
    // The marker at its frequency again after a redraw: the analysis there,
    // its place in the new scales.
    void RefreshMarker();
    void DropMarker();
    void ShowMarker();
    // The marker's phase as the phase graph plots it: the analysis' phase
    // moved by the whole turns the sweep's continuation added there.
    double PlottedPhaseOf(const TraceMarker& marker) const;
    // A search's finding held by the marker and by the readout of the graph
    // the menu was asked on.
    void HoldFinding(const PlottedCurve& curve, CurveSearch search, const SearchFinding& finding);

    GraphState& state_;
    GraphHost& host_;

    std::array<PictureBox*, 2> graphs_{};
    std::array<PictureBox*, 2> levelScales_{};
    PictureBox* frequencyScale_ = nullptr;
    GraphBoxes boxes_;
    std::array<QLabel*, 2> titles_{}, frequencyReadouts_{}, valueReadouts_{};

    std::array<QRadioButton*, 2> frequencySpanOptions_{}, levelSpanOptions_{};
    std::array<QRadioButton*, 3> quantityOptions_{};
    std::array<QCheckBox*, 16> branchChecks_{};  // element 0 unused
    QToolButton* frequencyLeftButton_ = nullptr;
    QToolButton* frequencyRightButton_ = nullptr;
    QToolButton* magnitudeUpButton_ = nullptr;
    QToolButton* magnitudeDownButton_ = nullptr;
    QToolButton* phaseUpButton_ = nullptr;
    QToolButton* phaseDownButton_ = nullptr;
    QPushButton* keepCurveButton_ = nullptr;
    QPushButton* dropKeptCurveButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* returnButton_ = nullptr;

    std::array<MarkerOverlay*, 2> markerOverlays_{};
    LegendOverlay* legend_ = nullptr;
    QLabel* markerName_ = nullptr;
    QLabel* markerValues_ = nullptr;
    QMenu* graphMenu_ = nullptr;
    std::array<QAction*, kGraphMenuItems> menuActions_{};

    struct CircuitDrawn {
        Circuit circuit;
        BranchChecks withCurrents{};
    };
    std::optional<CircuitDrawn> drawnFrom_;
    std::optional<ElementVariation> variation_;
    QLabel* outOfDateLine_ = nullptr;
    PlottedSweep plotted_;
    std::optional<TraceMarker> marker_;
    bool markerHeld_ = false;
    // Where the menu was asked for, in the graph's user coordinates.
    Graph menuGraph_ = Graph::Magnitude;
    QPointF menuAt_;
    SaveFileChooser saveFileChooser_;
    ExportPlace csvPlace_;

    std::array<bool, 2> readoutHeld_{};
    // The graph and its logical pixel the pointer last moved over; none once
    // it moved onto the panel.
    std::optional<std::pair<Graph, QPointF>> pointer_;
    // By graph and plotted quantity, so a held readout shows only a reading
    // of the quantity plotted, frequency and value taken together.
    std::array<std::array<std::optional<Reading>, 3>, 2> held_{};
    // The reading each graph's readouts show.
    std::array<std::optional<Reading>, 2> shownReadings_{};
};

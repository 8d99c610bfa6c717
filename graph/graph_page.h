#pragma once
// The graph page: the panel of the main window's second tab with the
// magnitude and phase graphs, their label strips and titles, the cursor
// readouts, and the frames for the plotted quantity, the branches, the kept
// curve and print commands, the position buttons and the ranges.
//
// Every control's handler is a public member so the main window and tests
// can run it; a handler run by the program (an option selected, a button
// pressed) is a direct call. The page reads and writes the circuit and the
// graph state it is given; both outlive it.

#include <array>
#include <cstdint>

#include <QString>
#include <QWidget>

#include "calc/circuit.h"
#include "graph/graph_boxes.h"
#include "graph/graph_host.h"
#include "graph/graph_state.h"
#include "graph/sweep.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class PictureBox;

class GraphPage : public QWidget {
    Q_OBJECT
public:
    GraphPage(Circuit& circuit, GraphState& state, GraphHost& host, QWidget* parent = nullptr);
    ~GraphPage() override;

    // The graph part of the circuit initialisation: blue graphs cleared, state
    // back to its start values, 4 frequency and 6 level decades drawn empty,
    // "グラフ保存" offered, readouts free, Check1(1) ticked and the input
    // impedance chosen.
    void ResetForInitCircuit();
    // Redraws as the frequency-characteristics command does: deselects and
    // reselects the current frequency range option.
    void RedrawCurrentRange();

    // Range options: the redraw sequences.
    void OnOption1Click(int k);
    void OnOption2Click(int k);
    // Plotted quantity and branch boxes.
    void OnOption3Click(int k);
    void OnCheck1Click(int b);
    // Position buttons: k = 0 down / up / up, k = 1 up / down / down.
    void OnHPos(int k);
    void OnImpVpos(int k);
    void OnPhVpos(int k);
    // "グラフ保存" (k = 0) and "グラフ保存消去" (k = 1).
    void OnOldDtDsp(int k);
    void OnFrqPrn();
    void OnRetCmd();
    // Cursor readout: mouse over graph i at (x, y) in its user coordinates,
    // click on graph i, mouse over the panel outside the graphs.
    void OnGraphMouseMove(int i, double x, double y);
    void OnGraphClick(int i);
    void OnPanelMouseMove();
    // Frees and hides both readouts and forgets every held text: what they
    // held belongs to results that are gone. For a new calculation and
    // anything that clears the results.
    void DropReadoutHolds();

    // The boxes as drawing surfaces.
    GraphBoxes& Boxes() { return boxes_; }
    PictureBox& ImpGrf(int i) { return *impGrf_[i]; }
    PictureBox& ImpScl(int i) { return *impScl_[i]; }
    PictureBox& FrqScl() { return *frqScl_; }

    // The branches whose box is ticked.
    BranchChecks CheckedBranches() const;

    // Controls, for the main window and tests.
    QRadioButton& Option1(int k) { return *option1_[k]; }
    QRadioButton& Option2(int k) { return *option2_[k]; }
    QRadioButton& Option3(int k) { return *option3_[k]; }
    QCheckBox& Check1(int b) { return *check1_[b]; }
    QToolButton& HPos(int k) { return *hPos_[k]; }
    QToolButton& ImpVpos(int k) { return *impVpos_[k]; }
    QToolButton& PhVpos(int k) { return *phVpos_[k]; }
    QPushButton& OldDtDspCmd(int k) { return *oldDtDsp_[k]; }
    QPushButton& FrqPrnCmd() { return *frqPrn_; }
    QPushButton& RetCmd() { return *retCmd_; }
    QLabel& Freq(int i) { return *freq_[i]; }
    QLabel& ImpDp(int i) { return *impDp_[i]; }
    QLabel& GfTitl(int i) { return *gfTitl_[i]; }

    // Readout holds: −1 held, 0 free.
    int16_t lkimpflg() const { return lkimpflg_; }
    int16_t lkphflg() const { return lkphflg_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildGraphs();
    void BuildQuantityFrame();
    void BuildBranchFrame();
    void BuildCommandFrame();
    void BuildPositionFrame();
    void BuildRangeFrame();
    void Connect();

    void SelectOption(std::array<QRadioButton*, 2>& pair, int k);
    void DeselectRanges();
    void RunSweep();
    void SweepAndKeptCurve();
    void ShowReadout(int i, bool visible);
    void ShowHeldReadouts();
    int16_t& HoldFlag(int i) { return i == 0 ? lkimpflg_ : lkphflg_; }
    // A held reading: the frequency and value texts shown at the click.
    struct HeldTexts {
        QString frequency, value;
    };
    HeldTexts& Held(int i);

    Circuit& circuit_;
    GraphState& state_;
    GraphHost& host_;

    std::array<PictureBox*, 2> impGrf_{};
    std::array<PictureBox*, 2> impScl_{};
    PictureBox* frqScl_ = nullptr;
    GraphBoxes boxes_;
    std::array<QLabel*, 2> gfTitl_{}, freq_{}, impDp_{};

    std::array<QRadioButton*, 2> option1_{}, option2_{};
    std::array<QRadioButton*, 3> option3_{};
    std::array<QCheckBox*, 16> check1_{};  // element 0 unused
    std::array<QToolButton*, 2> hPos_{}, impVpos_{}, phVpos_{};
    std::array<QPushButton*, 2> oldDtDsp_{};
    QPushButton* frqPrn_ = nullptr;
    QPushButton* retCmd_ = nullptr;

    int16_t lkimpflg_ = 0, lkphflg_ = 0;
    // By graph and plotted quantity, so a held readout shows only a reading
    // of the quantity plotted, frequency and value taken together.
    std::array<std::array<HeldTexts, 3>, 2> held_{};
};

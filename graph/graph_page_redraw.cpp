// The redraw sequences of the range options, the sweep's failures, the
// position buttons, the kept curve and the page's part of the circuit
// initialisation.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "graph/axes.h"
#include "graph/graph_layout.h"
#include "graph/graph_page.h"
#include "graph/graph_reset.h"
#include "graph/graph_texts.h"
#include "graph/kept_curve.h"
#include "graph/position_steps.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"

void GraphPage::SelectOption(std::array<QRadioButton*, 2>& pair, int k)
{
    pair[k]->setChecked(true);
    pair[1 - k]->setChecked(false);
}

void GraphPage::DeselectRanges()
{
    option1_[state_.HSpanSel]->setChecked(false);
    option2_[state_.VSpanSel]->setChecked(false);
}

void GraphPage::OnOption1Click(int k)
{
    SelectOption(option1_, k);
    ClearGraphBoxes(boxes_);
    k == 0 ? FrqAxis2(state_, boxes_) : FrqAxis4(state_, boxes_);
    state_.VSpanSel == 0 ? LevelAxis6(state_, boxes_) : LevelAxis4(state_, boxes_);
    SweepAndKeptCurve();
}

void GraphPage::OnOption2Click(int k)
{
    SelectOption(option2_, k);
    ClearGraphBoxes(boxes_);
    k == 0 ? LevelAxis6(state_, boxes_) : LevelAxis4(state_, boxes_);
    state_.HSpanSel == 0 ? FrqAxis2(state_, boxes_) : FrqAxis4(state_, boxes_);
    SweepAndKeptCurve();
}

// The end of both redraw sequences: the curves, then the kept curve over them.
void GraphPage::SweepAndKeptCurve()
{
    RunSweep();
    if (state_.GrfQty == 0 && state_.KeptOn == 1) OnOldDtDsp(0);
}

void GraphPage::RedrawCurrentRange()
{
    option1_[state_.HSpanSel]->setChecked(false);
    OnOption1Click(state_.HSpanSel);
}

void GraphPage::RunSweep()
{
    const bool valid = host_.FrequencyCommandEnabled();
    SweepResult result;
    switch (state_.GrfQty) {
    case 1: result = SweepBrCur(circuit_, state_, *impGrf_[0], *impGrf_[1], CheckedBranches(), valid); break;
    case 2: result = SweepBrVol(circuit_, state_, *impGrf_[0], *impGrf_[1], CheckedBranches(), valid); break;
    default: result = SweepZi(circuit_, state_, *impGrf_[0], *impGrf_[1], valid); break;
    }
    switch (result.kind) {
    case SweepResult::Completed: break;
    case SweepResult::NoCalculation:
        ShowMessage(QString::fromUtf8(graph_text::kNoCircuit), MessageIcon::Error, this);
        OnRetCmd();
        break;
    case SweepResult::Failed:
        ShowMessage(QString::fromStdString(result.description), MessageIcon::Information, this);
        // Over what the boxes show, without clearing them.
        FrqAxis4(state_, boxes_);
        LevelAxis6(state_, boxes_);
        break;
    }
}

void GraphPage::OnHPos(int k)
{
    option1_[state_.HSpanSel]->setChecked(false);
    state_.HPosIdx = k == 0 ? StepDown(state_.HPosIdx) : StepUp(state_.HPosIdx, kBoundSteps);
    state_.SwpStart = SwpStartOfStep(state_.HPosIdx);
    OnOption1Click(state_.HSpanSel);
    if (state_.KeptOn == 1) OnOldDtDsp(0);
}

void GraphPage::OnImpVpos(int k)
{
    option2_[state_.VSpanSel]->setChecked(false);
    auto move = [k](int16_t step) { return k == 0 ? StepUp(step, kBoundSteps) : StepDown(step); };
    switch (state_.GrfQty) {
    case 1:
        state_.IPosIdx = move(state_.IPosIdx);
        state_.IAxMin = IVAxMinOfStep(state_.IPosIdx);
        break;
    case 2:
        state_.VPosIdx = move(state_.VPosIdx);
        state_.VAxMin = IVAxMinOfStep(state_.VPosIdx);
        break;
    default:
        state_.ZPosIdx = move(state_.ZPosIdx);
        state_.ZAxMin = ZAxMinOfStep(state_.ZPosIdx);
        break;
    }
    OnOption2Click(state_.VSpanSel);
    if (state_.KeptOn == 1) OnOldDtDsp(0);
}

void GraphPage::OnPhVpos(int k)
{
    option2_[state_.VSpanSel]->setChecked(false);
    state_.PhPosIdx = k == 0 ? StepUp(state_.PhPosIdx, kPhaseSteps) : StepDown(state_.PhPosIdx);
    state_.PhAxMin = PhAxMinOfStep(state_.PhPosIdx);
    OnOption2Click(state_.VSpanSel);
    if (state_.KeptOn == 1) OnOldDtDsp(0);
}

void GraphPage::OnOldDtDsp(int k)
{
    if (k == 0) {
        state_.KeptOn = 1;
        DrawKeptCurve(state_, *impGrf_[0], *impGrf_[1]);
        oldDtDsp_[0]->hide();
        oldDtDsp_[1]->show();
        return;
    }
    DeselectRanges();
    state_.KeptOn = 0;
    OnOption1Click(state_.HSpanSel);
    OnOption2Click(state_.VSpanSel);
    oldDtDsp_[0]->show();
    oldDtDsp_[1]->hide();
}

void GraphPage::OnFrqPrn() { host_.OpenPrintPreview(); }

void GraphPage::OnRetCmd()
{
    DeselectRanges();
    host_.PressReturn();
}

void GraphPage::ResetForInitCircuit()
{
    for (PictureBox* graph : impGrf_) graph->SetBackColor(graph_layout::kGraphBackColour);
    ClearGraphBoxes(boxes_);
    ResetGraphState(state_);
    state_.HSpanSel = 1;
    state_.VSpanSel = 0;
    FrqAxis4(state_, boxes_);
    LevelAxis6(state_, boxes_);
    oldDtDsp_[0]->show();
    oldDtDsp_[1]->hide();
    DropReadoutHolds();
    check1_[1]->setChecked(true);
    OnOption3Click(0);
}

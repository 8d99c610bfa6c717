// The redraw sequences of the span options, the sweep's failures, the
// position buttons, the kept curve and the page's part of a new circuit.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "document/language.h"
#include "graph/axes.h"
#include "graph/curve_legend.h"
#include "graph/graph_layout.h"
#include "graph/graph_page.h"
#include "sweep/graph_reset.h"
#include "graph/graph_texts.h"
#include "graph/kept_curve.h"
#include "sweep/position_steps.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "document/qstring_utf8.h"

void GraphPage::SelectOption(std::array<QRadioButton*, 2>& pair, int chosen)
{
    pair[chosen]->setChecked(true);
    pair[1 - chosen]->setChecked(false);
}

void GraphPage::DeselectRanges()
{
    CurrentFrequencySpanOption().setChecked(false);
    CurrentLevelSpanOption().setChecked(false);
}

void GraphPage::OnFrequencySpanChosen(FrequencySpan span)
{
    SelectOption(frequencySpanOptions_, static_cast<int>(span));
    ClearGraphBoxes(boxes_);
    DrawFrequencyAxis(state_, boxes_, span);
    DrawLevelAxis(state_, boxes_, state_.levelSpan);
    SweepAndKeptCurve();
}

void GraphPage::OnLevelSpanChosen(LevelSpan span)
{
    SelectOption(levelSpanOptions_, static_cast<int>(span));
    ClearGraphBoxes(boxes_);
    DrawLevelAxis(state_, boxes_, span);
    DrawFrequencyAxis(state_, boxes_, state_.frequencySpan);
    SweepAndKeptCurve();
}

// The end of both redraw sequences: the curves, then the kept curve over them.
void GraphPage::SweepAndKeptCurve()
{
    RunSweep();
    if (state_.quantity == PlottedQuantity::InputImpedance && state_.keptCurve.on) OnKeepCurve();
}

void GraphPage::RedrawCurrentRange()
{
    CurrentFrequencySpanOption().setChecked(false);
    OnFrequencySpanChosen(state_.frequencySpan);
}

PlottedSweep GraphPage::SweepNow(SweepResult& outcome) const
{
    const CalculatedPage* results = host_.Results();
    const Circuit* circuit = drawnFrom_ ? &drawnFrom_->circuit : results ? &results->circuit : nullptr;
    // The circuit on screen may have branches that the drawn one lacks.
    if (circuit && variation_ && variation_->slot.branch <= BranchCount(*circuit))
        return PlotVariedSweep(*circuit, state_, VariedBranches(), true, *variation_, outcome);
    return PlotSweep(circuit, state_, CheckedBranches(), circuit != nullptr, outcome);
}

BranchChecks GraphPage::VariedBranches() const
{
    if (!variation_->stepped) return CheckedBranches();
    BranchChecks element{};
    const int b = variation_->slot.branch;
    element[b] = !drawnFrom_ || drawnFrom_->withCurrents[b];
    return element;
}

// What a search found belongs to the curve it searched, which a variation
// replaces; the marker stays at its frequency.
void GraphPage::VaryElement(const ElementVariation& variation)
{
    variation_ = variation;
    ForgetFinding();
    if (CanRedraw()) RedrawCurrentRange();
}

void GraphPage::EndVariation()
{
    if (!variation_) return;
    variation_.reset();
    ForgetFinding();
    if (CanRedraw()) RedrawCurrentRange();
}

void GraphPage::ForgetFinding()
{
    if (!marker_) return;
    marker_->search.reset();
    marker_->finding = {};
}

void GraphPage::ShowFamilyFailure()
{
    for (const FamilyMember& member : plotted_.family) {
        if (!member.failure) continue;
        const QString value = ElementValueText({*plotted_.varied, member.value});
        ShowMessage(value + Tr(graph_text::kFailedFor) + Tr(member.failure->description),
                    MessageIcon::Information, this);
        return;
    }
}

// A redraw while the calculation is valid draws the calculated circuit and
// keeps a copy of it; any other redraw draws that copy again.
void GraphPage::RunSweep()
{
    if (const CalculatedPage* results = host_.Results()) {
        drawnFrom_ = CircuitDrawn{results->circuit, host_.BranchesWithCurrents()};
        outOfDateLine_->hide();
    }
    ShowBranchChecks();
    SweepResult swept;
    plotted_ = SweepNow(swept);
    const SweepResult result =
        DrawSweep(plotted_, swept, state_, *graphs_[IndexOf(Graph::Magnitude)], *graphs_[IndexOf(Graph::Phase)]);
    // Only a whole sweep stands for the curves on the graphs.
    if (result.kind != SweepResult::Completed) plotted_ = {};
    legend_->ShowLegend(LegendOf(plotted_));
    if (!plotted_.family.empty()) ShowFamilyFailure();
    DescribeGraphs();
    RefreshMarker();
    switch (result.kind) {
    case SweepResult::Completed:
        break;
    case SweepResult::NoCalculation:
        ShowMessage(Tr(graph_text::kNoCircuit), MessageIcon::Error, this);
        OnReturn();
        break;
    case SweepResult::Failed:
        ShowMessage(Tr(result.description), MessageIcon::Information, this);
        // Over what the boxes show, without clearing them.
        DrawFrequencyAxis(state_, boxes_, FrequencySpan::FourDecades);
        DrawLevelAxis(state_, boxes_, LevelSpan::SixDecades);
        break;
    }
}

void GraphPage::OnMoveFrequency(StepDirection direction)
{
    CurrentFrequencySpanOption().setChecked(false);
    state_.frequencyPosition = Stepped(state_.frequencyPosition, direction, kBoundSteps);
    state_.sweepStart = SweepStartOfStep(state_.frequencyPosition);
    OnFrequencySpanChosen(state_.frequencySpan);
    if (state_.keptCurve.on) OnKeepCurve();
}

void GraphPage::OnMoveMagnitude(StepDirection direction)
{
    CurrentLevelSpanOption().setChecked(false);
    switch (state_.quantity) {
    case PlottedQuantity::BranchCurrent:
        state_.currentPosition = Stepped(state_.currentPosition, direction, kBoundSteps);
        state_.currentAxisMin = CurrentVoltageMinOfStep(state_.currentPosition);
        break;
    case PlottedQuantity::BranchVoltage:
        state_.voltagePosition = Stepped(state_.voltagePosition, direction, kBoundSteps);
        state_.voltageAxisMin = CurrentVoltageMinOfStep(state_.voltagePosition);
        break;
    default:
        state_.impedancePosition = Stepped(state_.impedancePosition, direction, kBoundSteps);
        state_.impedanceAxisMin = ImpedanceMinOfStep(state_.impedancePosition);
        break;
    }
    OnLevelSpanChosen(state_.levelSpan);
    if (state_.keptCurve.on) OnKeepCurve();
}

void GraphPage::OnMovePhase(StepDirection direction)
{
    CurrentLevelSpanOption().setChecked(false);
    state_.phasePosition = Stepped(state_.phasePosition, direction, kPhaseSteps);
    state_.phaseAxisMin = PhaseMinOfStep(state_.phasePosition);
    OnLevelSpanChosen(state_.levelSpan);
    if (state_.keptCurve.on) OnKeepCurve();
}

void GraphPage::OnKeepCurve()
{
    state_.keptCurve.on = true;
    DrawKeptCurve(state_, *graphs_[IndexOf(Graph::Magnitude)], *graphs_[IndexOf(Graph::Phase)]);
    keepCurveButton_->hide();
    dropKeptCurveButton_->show();
}

void GraphPage::OnDropKeptCurve()
{
    DeselectRanges();
    state_.keptCurve.on = false;
    OnFrequencySpanChosen(state_.frequencySpan);
    OnLevelSpanChosen(state_.levelSpan);
    ShowKeepCurveOnly();
}

void GraphPage::ShowKeepCurveOnly()
{
    keepCurveButton_->show();
    dropKeptCurveButton_->hide();
}

void GraphPage::OnPrint() { host_.OpenPrintPreview(); }

void GraphPage::OnReturn()
{
    DeselectRanges();
    host_.PressReturn();
}

void GraphPage::OnCircuitChanged()
{
    DropReadoutHolds();
    outOfDateLine_->setVisible(drawnFrom_.has_value());
    emit circuitChanged();
}

void GraphPage::ResetForNewCircuit()
{
    drawnFrom_.reset();
    variation_.reset();
    emit circuitReset();
    outOfDateLine_->hide();
    for (PictureBox* graph : graphs_) graph->SetBackColor(graph_layout::kGraphBackColour);
    ClearGraphBoxes(boxes_);
    plotted_ = {};
    ResetGraphState(state_);
    DrawFrequencyAxis(state_, boxes_, state_.frequencySpan);
    DrawLevelAxis(state_, boxes_, state_.levelSpan);
    ShowKeepCurveOnly();
    DropReadoutHolds();
    branchChecks_[1]->setChecked(true);
    OnQuantityChosen(PlottedQuantity::InputImpedance);
}

// The command frame: 計算実行, 周波数特性, クリア and 終了.

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "document/language.h"
#include "calc/calc_error.h"
#include "document/circuit_of_document.h"
#include "entry_field.h"
#include "graph/graph_page.h"
#include "document/incomplete_branches.h"
#include "main_window.h"
#include "document/page_calculation.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"

void MainWindow::OnCalculate()
{
    ShowUsedValues();
    const std::array<EntryField*, 2> fields = {ui_.emfField, ui_.frequencyField};
    if (!CheckEntriesComplete(fields, this)) return;
    if (!UnenteredBranchesAccepted()) return;
    if (!MatrixAgreesOrUserDecides()) return;
    RunCommand([this] { Calculate(); });
}

// A branch never entered would be calculated as a short circuit: only when
// the user agrees. Otherwise the first such branch's button waits.
bool MainWindow::UnenteredBranchesAccepted()
{
    const std::vector<int> unentered = UnenteredBranches(entry_);
    if (unentered.empty() || Ask(UnenteredQuestion(unentered), Tr(texts::kYes), Tr(texts::kNo), this) == Answer::Yes)
        return true;
    ui_.elementButtons[unentered.front()]->setFocus();
    return false;
}

void MainWindow::OnShowFrequencyCharacteristics()
{
    ShowUsedValues();
    RunCommand([this] { ShowFrequencyCharacteristics(); });
}

void MainWindow::OnClear()
{
    ShowUsedValues();
    RunCommand([this] {
        if (MayDiscardChanges()) InitCircuit(entry_.loops, entry_.branches);
    });
}

void MainWindow::OnQuit()
{
    ShowUsedValues();
    RunCommand([this] {
        if (!MayDiscardChanges()) return;
        ending_ = true;
        emit endRequested();
    });
}

void MainWindow::RunCommand(const std::function<void()>& command)
{
    try {
        FrequencyOf(entry_);
        command();
    } catch (const CalcError& e) {
        ShowRunTimeError(Tr(e.description()));
    }
}

// A run-time error keeps the whole circuit description: only the results,
// which no longer hold, are taken away, and the graph page is refused until
// the next successful calculation.
void MainWindow::ShowRunTimeError(const QString& description)
{
    ShowMessage(description, MessageIcon::Information, this);
    graph_->DropReadoutHolds();
    for (int b = 1; b <= entry_.branches; ++b) ClearBranchImpedance(b);
    ClearDefinitionResults();
    SetCalculationValid(false);
    ui_.pageTabs->SetCurrent(0);
}

void MainWindow::ShowUsedValue(EntryField* field, const QString& usedText)
{
    field->TakePrefixedValue();
    if (!field->text().isEmpty()) return;
    // The change handling would only take the value it already has, and
    // empty results that still hold.
    const QSignalBlocker unchanged(field);
    field->setText(usedText);
}

void MainWindow::ShowUsedValues()
{
    ShowUsedValue(ui_.emfField, entry_.emf.text);
    ShowUsedValue(ui_.frequencyField, entry_.frequency.text);
}

// A failure leaves no results of the circuit on screen, so 周波数特性 waits
// for the next calculation that succeeds.
void MainWindow::Calculate()
{
    PageCalculation page = CalculatePage(CircuitOf(entry_));
    if (page.failure && !page.singular) {
        SetCalculationValid(false);
        ShowMessage(Tr(*page.failure), MessageIcon::None, this);
        return;
    }
    graph_->DropReadoutHolds();
    if (page.singular) {
        SetCalculationValid(false);
        ShowMessage(Tr(*page.failure), MessageIcon::None, this);
        for (int b = 1; b <= entry_.branches; ++b) ClearBranchImpedance(b);
        return;
    }
    results_.calculation = std::move(page.page);
    SetCalculationValid(true);
    ShowResults();
}

void MainWindow::CircuitChanged()
{
    circuitOnScreen_ = entry_;
    SetCalculationValid(false);
    graph_->OnCircuitChanged();
}

void MainWindow::SetCalculationValid(bool valid)
{
    results_.valid = valid;
    ui_.frequencyButton->setEnabled(valid);
}

// A branch without a branch current shows none; the message names every such
// branch. A result that cannot be shown in its unit is a run-time error.
void MainWindow::ShowResults()
{
    for (int b = 1; b <= entry_.branches; ++b) {
        results_.impedance[b] = results_.calculation->values.branchImpedance[b];
        results_.currentMagnitude[b] = results_.currentPhase[b] = HasBranchResults(b);
    }
    results_.inputImpedanceMagnitude = results_.inputImpedancePhase = true;
    ui_.voltageBranch->SetText(ui_.voltageBranch->itemText(0));
    ShowVoltage(1);
    if (const std::optional<CalcError> failure = ShowPageResults()) throw *failure;
    const std::vector<int> withoutCurrent = BranchesWithoutCurrent(entry_);
    if (!withoutCurrent.empty()) ShowMessage(NoBranchCurrentMessage(withoutCurrent), MessageIcon::None, this);
}

void MainWindow::ShowFrequencyCharacteristics()
{
    ui_.pageTabs->SetCurrent(1);
    graph_->RedrawCurrentRange();
}

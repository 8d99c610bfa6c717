// The command frame: 計算実行, 周波数特性, クリア and 終了.

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "calc/analysis.h"
#include "calc/branch_impedance.h"
#include "calc/calc_error.h"
#include "calc/checked.h"
#include "calc/loop_matrix.h"
#include "calc/number_text.h"
#include "calc/solver.h"
#include "entry_field.h"
#include "graph/graph_page.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "platform/qstring_utf8.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"

void MainWindow::OnCalculate()
{
    ShowUsedValues();
    const std::array<EntryField*, 2> fields = {ui_.emfField, ui_.frequencyField};
    if (!CheckEntriesComplete(fields, this)) return;
    RunCommand([this] { Calculate(); });
}

void MainWindow::OnShowFrequencyCharacteristics()
{
    ShowUsedValues();
    RunCommand([this] { ShowFrequencyCharacteristics(); });
}

void MainWindow::OnClear()
{
    ShowUsedValues();
    RunCommand([this] { InitCircuit(); });
}

void MainWindow::OnQuit()
{
    ShowUsedValues();
    RunCommand([this] { emit endRequested(); });
}

void MainWindow::RunCommand(const std::function<void()>& command)
{
    try {
        c_.Frq = checked::Chk(c_.FrqMul * c_.FrqVal);
        command();
    } catch (const CalcError& e) {
        ShowRunTimeError(U8(e.description()));
    }
}

// A run-time error keeps the whole circuit description: only the results,
// which no longer hold, are taken away, and the graph page is refused until
// the next successful calculation.
void MainWindow::ShowRunTimeError(const QString& description)
{
    ShowMessage(description, MessageIcon::Information, this);
    graph_->DropReadoutHolds();
    for (int b = 1; b <= c_.BrCnt; ++b) ClearBranchImpedance(b);
    ClearDefinitionResults();
    ui_.frequencyButton->setEnabled(false);
    ui_.pageTabs->SetCurrent(0);
}

void MainWindow::ShowUsedValue(EntryField* field, const QString& usedText)
{
    if (!field->text().isEmpty()) return;
    // The change handling would only take the value it already has, and
    // empty results that still hold.
    const QSignalBlocker unchanged(field);
    field->setText(usedText);
}

void MainWindow::ShowUsedValues()
{
    ShowUsedValue(ui_.emfField, usedEmfText_);
    ShowUsedValue(ui_.frequencyField, usedFrequencyText_);
}

bool MainWindow::HasCapacitor() const
{
    for (int b = 1; b <= c_.BrCnt; ++b)
        if (c_.BrC[b] != 0) return true;
    return false;
}

// An E of zero drives no current, and a capacitor at zero frequency has no
// finite impedance: either is refused before anything is calculated, with
// the circuit and what is shown left as they are.
void MainWindow::Calculate()
{
    if (c_.EmfMul * c_.EmfVal == 0) {
        ShowMessage(U8(texts::kEmfNotZero), MessageIcon::None, this);
        return;
    }
    if (c_.Frq == 0 && HasCapacitor()) {
        ShowMessage(U8(texts::kCapacitorAtZero), MessageIcon::None, this);
        return;
    }
    graph_->DropReadoutHolds();
    for (int b = 1; b <= c_.BrCnt; ++b) {
        BrZCalc(c_.BrImp[b], c_.BrR[b], c_.BrL[b], c_.BrC[b], c_.Frq);
        ShowBranchImpedance(b);
    }
    AsmLoopMat(c_);
    InvLoopMat(c_);
    if (c_.CalcErr == 1) {
        ShowMessage(U8(texts::kCannotCalculate), MessageIcon::None, this);
        c_.CalcErr = 0;
        for (int b = 1; b <= c_.BrCnt; ++b) ClearBranchImpedance(b);
        return;
    }

    c_.Emf = checked::Chk(c_.EmfMul * c_.EmfVal);
    c_.EmfCpx = Complex{c_.Emf, 0};
    for (int k = 1; k <= c_.LoopCnt; ++k) CpxMul(c_.LoopCur[k], c_.LoopMat(k, c_.LoopCnt + 1), c_.EmfCpx);

    for (int b = 1; b <= c_.BrCnt; ++b) {
        if (ui_.currentDefinition[b]->text().isEmpty()) {
            ShowMessage(U8(texts::kNoBranchCurrent), MessageIcon::None, this);
            break;
        }
        CalcBrCur(c_, b);
        c_.BrCurAbs[b] = CpxAbs(c_.BrCur[b]);
        SetText(ui_.currentMagnitude[b], DisplayValue(c_.BrCurAbs[b], c_.CurDspMul[b]));
        CpxPh(c_.BrCur[b], c_.AngRes);
        c_.BrCurPh[b] = c_.AngRes;
        SetText(ui_.currentPhase[b], GeneralText(c_.BrCurPh[b]));
        CpxMul(c_.BrVol[b], c_.BrCur[b], c_.BrImp[b]);
        c_.BrVolAbs[b] = CpxAbs(c_.BrVol[b]);
        CpxPh(c_.BrVol[b], c_.AngRes);
        c_.BrVolPh[b] = c_.AngRes;
    }

    CpxDiv(c_.ZReg, c_.EmfCpx, c_.LoopCur[1]);
    c_.ZiAbs = CpxAbs(c_.ZReg);
    CpxPh(c_.ZReg, c_.AngRes);
    c_.ZiPh = c_.AngRes;
    SetText(ui_.inputImpedanceMagnitude, DisplayValue(c_.ZiAbs, c_.ImpDspMul[0]));
    SetText(ui_.inputImpedancePhase, GeneralText(c_.ZiPh));

    ui_.voltageBranch->SetText(ui_.voltageBranch->itemText(0));
    SetText(ui_.voltageMagnitude, DisplayValue(c_.BrVolAbs[1], c_.VolDspMul[1]));
    ui_.voltageUnit->SetText(U8(c_.VolUnitTxt[1]));
    SetText(ui_.voltagePhase, GeneralText(c_.BrVolPh[1]));

    ui_.frequencyButton->setEnabled(true);
}

void MainWindow::ShowFrequencyCharacteristics()
{
    ui_.pageTabs->SetCurrent(1);
    graph_->RedrawCurrentRange();
}

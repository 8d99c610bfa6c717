// The entry fields E and f and the unit selectors of the main window. Typing
// never recalculates: it only empties the results it makes stale. The display
// unit selectors show the stored results again with the new multiplier.

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "entry_field.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "platform/qstring_utf8.h"
#include "selector.h"
#include "units.h"

namespace {

// Stores the multiplier of the chosen unit; a text that names no unit of
// the list leaves it as it is.
void Choose(double& multiplier, UnitList list, const Selector* selector)
{
    if (const auto m = MultiplierOf(list, Std(selector->currentText()))) multiplier = *m;
}

}  // namespace

void MainWindow::SetText(QLabel* label, const std::string& text) { label->setText(U8(text)); }

// Empty or an unfinished number: the value waits for a number.
bool MainWindow::TakeNumber(const EntryField* field, double& value, QString& usedText)
{
    ClearInputImpedance();
    const std::string text = Std(field->text());
    if (!IsNumeric(text)) return false;
    value = NumericValue(text);
    usedText = field->text();
    return true;
}

void MainWindow::OnEmfEdited()
{
    if (TakeNumber(ui_.emfField, c_.EmfVal, usedEmfText_)) ClearEmfResults();
}

void MainWindow::OnFrequencyEdited()
{
    if (TakeNumber(ui_.frequencyField, c_.FrqVal, usedFrequencyText_)) ClearFrequencyResults();
}

void MainWindow::OnEnterInEmfField() { ui_.frequencyField->setFocus(); }

void MainWindow::OnEnterInFrequencyField() { ui_.elementButtons[1]->setFocus(); }

void MainWindow::OnEmfUnitChosen()
{
    ClearInputImpedance();
    ClearEmfResults();
    Choose(c_.EmfMul, units::kEmf, ui_.emfUnit);
    ui_.emfField->setFocus();
    ui_.emfField->selectAll();
}

void MainWindow::OnFrequencyUnitChosen()
{
    ClearInputImpedance();
    ClearFrequencyResults();
    Choose(c_.FrqMul, units::kFrequency, ui_.frequencyUnit);
    ui_.frequencyField->setFocus();
    ui_.frequencyField->selectAll();
}

void MainWindow::OnImpedanceUnitChosen(int b)
{
    if (b > c_.BrCnt) return;
    Choose(c_.ImpDspMul[b], units::kImpedanceDisplay, ui_.impedanceUnit[b]);
    Guarded([&] { ShowBranchImpedance(b); });
}

void MainWindow::OnCurrentUnitChosen(int b)
{
    if (b > c_.BrCnt) return;
    Choose(c_.CurDspMul[b], units::kCurrentDisplay, ui_.currentUnit[b]);
    Guarded([&] { SetText(ui_.currentMagnitude[b], DisplayValue(c_.BrCurAbs[b], c_.CurDspMul[b])); });
}

void MainWindow::OnInputImpedanceUnitChosen()
{
    Choose(c_.ImpDspMul[0], units::kImpedanceDisplay, ui_.inputImpedanceUnit);
    Guarded([&] { SetText(ui_.inputImpedanceMagnitude, DisplayValue(c_.ZiAbs, c_.ImpDspMul[0])); });
}

// The branch is read from the last two characters of the branch selector; a
// typed text that names no branch of the circuit is ignored.
int MainWindow::ChosenVoltageBranch() const
{
    const double read = std::nearbyint(NumericValue(Std(ui_.voltageBranch->currentText().right(2))));
    return read >= 1 && read <= c_.BrCnt ? static_cast<int>(read) : 0;
}

void MainWindow::OnVoltageBranchChosen()
{
    const int b = ChosenVoltageBranch();
    if (b == 0) return;
    Guarded([&] {
        SetText(ui_.voltageMagnitude, DisplayValue(c_.BrVolAbs[b], c_.VolDspMul[b]));
        ui_.voltageUnit->SetText(U8(c_.VolUnitTxt[b]));
        SetText(ui_.voltagePhase, GeneralText(c_.BrVolPh[b]));
    });
}

void MainWindow::OnVoltageUnitChosen()
{
    const int b = ChosenVoltageBranch();
    if (b == 0) return;
    Guarded([&] {
        Choose(c_.VolDspMul[b], units::kVoltageDisplay, ui_.voltageUnit);
        SetText(ui_.voltageMagnitude, DisplayValue(c_.BrVolAbs[b], c_.VolDspMul[b]));
        c_.VolUnitTxt[b] = Std(ui_.voltageUnit->currentText());
    });
}

void MainWindow::ClearInputImpedance()
{
    ui_.inputImpedanceMagnitude->clear();
    ui_.inputImpedancePhase->clear();
}

void MainWindow::ClearFrequencyResults()
{
    for (int b = 1; b <= c_.BrCnt; ++b) {
        ClearBranchImpedance(b);
        ui_.currentMagnitude[b]->clear();
        ui_.currentPhase[b]->clear();
    }
    ui_.voltageMagnitude->clear();
    ui_.voltagePhase->clear();
}

void MainWindow::ClearEmfResults()
{
    for (int b = 1; b <= c_.BrCnt; ++b) {
        ui_.currentMagnitude[b]->clear();
        ui_.currentPhase[b]->clear();
    }
    ui_.voltageMagnitude->clear();
    ui_.voltagePhase->clear();
}

void MainWindow::ShowBranchImpedance(int b)
{
    SetText(ui_.impedanceRe[b], DisplayValue(c_.BrImp[b].re, c_.ImpDspMul[b]));
    SetText(ui_.impedanceIm[b], DisplayValue(c_.BrImp[b].im, c_.ImpDspMul[b]));
}

void MainWindow::Guarded(const std::function<void()>& display)
{
    try {
        display();
    } catch (const CalcError& e) {
        ShowMessage(U8(e.description()), MessageIcon::Information, this);
    }
}

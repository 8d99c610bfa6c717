// The entry fields E and f and the unit selectors of the main window. Typing
// never recalculates: it only empties the results it makes stale. The display
// unit selectors show the stored results again with the new multiplier, but
// only results of the circuit on screen: a stale one stays unshown.

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "entry_field.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "selector.h"
#include "document/units.h"

void MainWindow::SetText(QLabel* label, const std::string& text) { label->setText(U8(text)); }

void MainWindow::ChooseUnit(const Selector* selector, UnitList list, double* multiplier, QString& unit)
{
    const QString text = selector->currentText();
    const auto m = MultiplierOf(list, Std(text));
    if (!m) return;
    if (multiplier != nullptr) *multiplier = *m;
    unit = text;
}

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

// A file is to hold what the fields show, so they must hold numbers.
bool MainWindow::EntriesHoldNumbers()
{
    ShowUsedValues();
    const std::array<EntryField*, 2> fields = {ui_.emfField, ui_.frequencyField};
    return CheckEntriesComplete(fields, this);
}

void MainWindow::OnEmfEdited()
{
    if (TakeNumber(ui_.emfField, c_.EmfVal, entry_.emf.text)) ClearEmfResults();
    EntryMayHaveChanged();
}

void MainWindow::OnFrequencyEdited()
{
    if (TakeNumber(ui_.frequencyField, c_.FrqVal, entry_.frequency.text)) ClearFrequencyResults();
    EntryMayHaveChanged();
}

void MainWindow::OnEnterInEmfField() { ui_.frequencyField->setFocus(); }

void MainWindow::OnEnterInFrequencyField() { ui_.elementButtons[1]->setFocus(); }

void MainWindow::OnEmfUnitChosen()
{
    TakeEmfUnit();
    ui_.emfField->setFocus();
    ui_.emfField->selectAll();
}

void MainWindow::OnFrequencyUnitChosen()
{
    TakeFrequencyUnit();
    ui_.frequencyField->setFocus();
    ui_.frequencyField->selectAll();
}

void MainWindow::TakeEmfUnit()
{
    ClearInputImpedance();
    ClearEmfResults();
    ChooseUnit(ui_.emfUnit, units::kEmf, &c_.EmfMul, entry_.emf.unit);
    EntryMayHaveChanged();
}

void MainWindow::TakeFrequencyUnit()
{
    ClearInputImpedance();
    ClearFrequencyResults();
    ChooseUnit(ui_.frequencyUnit, units::kFrequency, &c_.FrqMul, entry_.frequency.unit);
    EntryMayHaveChanged();
}

void MainWindow::OnImpedanceUnitChosen(int b)
{
    if (b > c_.BrCnt) return;
    ChooseUnit(ui_.impedanceUnit[b], units::kImpedanceDisplay, nullptr, entry_.display->impedance[b - 1]);
    // Whatever makes a branch impedance stale empties its labels.
    if (!ui_.impedanceRe[b]->text().isEmpty()) Guarded([&] { ShowBranchImpedance(b); });
    EntryMayHaveChanged();
}

void MainWindow::OnCurrentUnitChosen(int b)
{
    if (b > c_.BrCnt) return;
    ChooseUnit(ui_.currentUnit[b], units::kCurrentDisplay, nullptr, entry_.display->current[b - 1]);
    Guarded([&] { ShowCurrentMagnitude(b); });
    EntryMayHaveChanged();
}

void MainWindow::OnInputImpedanceUnitChosen()
{
    ChooseUnit(ui_.inputImpedanceUnit, units::kImpedanceDisplay, nullptr, entry_.display->inputImpedance);
    Guarded([&] { ShowInputImpedanceMagnitude(); });
    EntryMayHaveChanged();
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
    Guarded([&] { ShowVoltage(b); });
}

void MainWindow::OnVoltageUnitChosen()
{
    const int b = ChosenVoltageBranch();
    if (b == 0) return;
    Guarded([&] {
        ChooseUnit(ui_.voltageUnit, units::kVoltageDisplay, nullptr, entry_.display->voltage[b - 1]);
        ShowVoltageMagnitude(b);
    });
    EntryMayHaveChanged();
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
    const double multiplier = ImpedanceMultiplier(*entry_.display, b);
    SetText(ui_.impedanceRe[b], DisplayValue(c_.BrImp[b].re, multiplier));
    SetText(ui_.impedanceIm[b], DisplayValue(c_.BrImp[b].im, multiplier));
}

bool MainWindow::HasBranchResults(int b) const { return calculationValid_ && entry_.currents[b - 1].has_value(); }

void MainWindow::ShowCurrentMagnitude(int b)
{
    if (HasBranchResults(b))
        SetText(ui_.currentMagnitude[b], DisplayValue(c_.BrCurAbs[b], CurrentMultiplier(*entry_.display, b)));
    else
        ui_.currentMagnitude[b]->clear();
}

void MainWindow::ShowInputImpedanceMagnitude()
{
    if (calculationValid_)
        SetText(ui_.inputImpedanceMagnitude, DisplayValue(c_.ZiAbs, InputImpedanceMultiplier(*entry_.display)));
    else
        ui_.inputImpedanceMagnitude->clear();
}

void MainWindow::ShowVoltageMagnitude(int b)
{
    if (HasBranchResults(b))
        SetText(ui_.voltageMagnitude, DisplayValue(c_.BrVolAbs[b], VoltageMultiplier(*entry_.display, b)));
    else
        ui_.voltageMagnitude->clear();
}

void MainWindow::ShowVoltage(int b)
{
    ShowVoltageMagnitude(b);
    ui_.voltageUnit->SetText(entry_.display->voltage[b - 1]);
    if (HasBranchResults(b))
        SetText(ui_.voltagePhase, GeneralText(c_.BrVolPh[b]));
    else
        ui_.voltagePhase->clear();
}

void MainWindow::Guarded(const std::function<void()>& display)
{
    try {
        display();
    } catch (const CalcError& e) {
        ShowMessage(U8(e.description()), MessageIcon::Information, this);
    }
}

// The entry fields E and f, the unit selectors and the result labels of the
// main window. Typing never recalculates: it only empties the results it
// makes stale. The display unit selectors show the results again with the
// new multiplier, but only results of the circuit on screen: a stale one
// stays unshown.

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "document/language.h"
#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "entry_field.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "selector.h"
#include "document/units.h"

void MainWindow::ChooseUnit(const Selector* selector, UnitList list, QString& unit)
{
    const std::optional<QString> source = selector->ChosenSource();
    if (source && MultiplierOf(list, Std(*source))) unit = *source;
}

// Empty or an unfinished number: the value waits for a number.
bool MainWindow::TakeNumber(const EntryField* field, QString& usedText)
{
    ClearInputImpedance();
    if (!IsNumeric(Std(field->text()))) return false;
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
    if (TakeNumber(ui_.emfField, entry_.emf.text)) ClearEmfResults();
    EntryMayHaveChanged();
}

void MainWindow::OnFrequencyEdited()
{
    if (TakeNumber(ui_.frequencyField, entry_.frequency.text)) ClearFrequencyResults();
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
    ChooseUnit(ui_.emfUnit, units::kEmf, entry_.emf.unit);
    EntryMayHaveChanged();
}

void MainWindow::TakeFrequencyUnit()
{
    ClearInputImpedance();
    ClearFrequencyResults();
    ChooseUnit(ui_.frequencyUnit, units::kFrequency, entry_.frequency.unit);
    EntryMayHaveChanged();
}

void MainWindow::OnImpedanceUnitChosen(int b)
{
    if (b > entry_.branches) return;
    ChooseUnit(ui_.impedanceUnit[b], units::kImpedanceDisplay, entry_.display->impedance[b - 1]);
    // Whatever makes a branch impedance stale empties its labels.
    ShowPageResultsGuarded();
    EntryMayHaveChanged();
}

void MainWindow::OnCurrentUnitChosen(int b)
{
    if (b > entry_.branches) return;
    ChooseUnit(ui_.currentUnit[b], units::kCurrentDisplay, entry_.display->current[b - 1]);
    results_.currentMagnitude[b] = HasBranchResults(b);
    ShowPageResultsGuarded();
    EntryMayHaveChanged();
}

void MainWindow::OnInputImpedanceUnitChosen()
{
    ChooseUnit(ui_.inputImpedanceUnit, units::kImpedanceDisplay, entry_.display->inputImpedance);
    results_.inputImpedanceMagnitude = results_.valid;
    ShowPageResultsGuarded();
    EntryMayHaveChanged();
}

// The branch is read from the last two characters of the branch selector; a
// typed text that names no branch of the circuit is ignored.
int MainWindow::ChosenVoltageBranch() const
{
    const double read = std::nearbyint(NumericValue(Std(ui_.voltageBranch->currentText().right(2))));
    return read >= 1 && read <= entry_.branches ? static_cast<int>(read) : 0;
}

void MainWindow::OnVoltageBranchChosen()
{
    const int b = ChosenVoltageBranch();
    if (b == 0) return;
    ShowVoltage(b);
    ShowPageResultsGuarded();
}

void MainWindow::OnVoltageUnitChosen()
{
    const int b = ChosenVoltageBranch();
    if (b == 0) return;
    ChooseUnit(ui_.voltageUnit, units::kVoltageDisplay, entry_.display->voltage[b - 1]);
    results_.voltageBranch = b;
    results_.voltageMagnitude = HasBranchResults(b);
    ShowPageResultsGuarded();
    EntryMayHaveChanged();
}

void MainWindow::ClearInputImpedance()
{
    results_.inputImpedanceMagnitude = results_.inputImpedancePhase = false;
    ShowPageResults();
}

void MainWindow::ClearFrequencyResults()
{
    for (int b = 1; b <= entry_.branches; ++b) results_.impedance[b].reset();
    ClearEmfResults();
}

void MainWindow::ClearEmfResults()
{
    for (int b = 1; b <= entry_.branches; ++b) results_.currentMagnitude[b] = results_.currentPhase[b] = false;
    results_.voltageMagnitude = results_.voltagePhase = false;
    ShowPageResults();
}

void MainWindow::ClearBranchImpedance(int b)
{
    results_.impedance[b].reset();
    ShowPageResults();
}

bool MainWindow::HasBranchResults(int b) const { return results_.valid && entry_.currents[b - 1].has_value(); }

void MainWindow::ShowVoltage(int b)
{
    results_.voltageBranch = b;
    results_.voltageMagnitude = results_.voltagePhase = HasBranchResults(b);
    ui_.voltageUnit->SetText(entry_.display->voltage[b - 1]);
}

namespace {

// The labels show the texts while `shown`; texts that cannot be formed are
// not shown, and the first failure is kept.
template <size_t N, class Texts>
void ShowTexts(const std::array<QLabel*, N>& labels, bool& shown, const Texts& texts, std::optional<CalcError>& failure)
{
    std::array<std::string, N> text;
    if (shown) {
        try {
            text = texts();
        } catch (const CalcError& e) {
            if (!failure) failure = e;
            shown = false;
        }
    }
    for (size_t i = 0; i < N; ++i) {
        if (shown)
            labels[i]->setText(U8(text[i]));
        else
            labels[i]->clear();
    }
}

}  // namespace

std::optional<CalcError> MainWindow::ShowPageResults()
{
    std::optional<CalcError> failure;
    const DisplayUnits& units = *entry_.display;
    const CalculatedPage* page = results_.calculation ? &*results_.calculation : nullptr;
    const auto calculated = [&](int b) { return page != nullptr && b < static_cast<int>(page->currentPhase.size()); };
    using One = std::array<std::string, 1>;
    for (int b = 1; b <= entry_.branches; ++b) {
        bool impedance = results_.impedance[b].has_value();
        ShowTexts(
            std::array<QLabel*, 2>{ui_.impedanceRe[b], ui_.impedanceIm[b]}, impedance,
            [&] {
                const double multiplier = ImpedanceMultiplier(units, b);
                return std::array<std::string, 2>{DisplayValue(results_.impedance[b]->re, multiplier),
                                                  DisplayValue(results_.impedance[b]->im, multiplier)};
            },
            failure);
        if (!impedance) results_.impedance[b].reset();
        results_.currentMagnitude[b] = results_.currentMagnitude[b] && calculated(b);
        ShowTexts(
            std::array<QLabel*, 1>{ui_.currentMagnitude[b]}, results_.currentMagnitude[b],
            [&] { return One{DisplayValue(page->values.branchCurrentMagnitude[b], CurrentMultiplier(units, b))}; },
            failure);
        results_.currentPhase[b] = results_.currentPhase[b] && calculated(b);
        ShowTexts(
            std::array<QLabel*, 1>{ui_.currentPhase[b]}, results_.currentPhase[b],
            [&] { return One{GeneralText(page->currentPhase[b])}; }, failure);
    }
    const int v = results_.voltageBranch;
    results_.voltageMagnitude = results_.voltageMagnitude && calculated(v);
    ShowTexts(
        std::array<QLabel*, 1>{ui_.voltageMagnitude}, results_.voltageMagnitude,
        [&] { return One{DisplayValue(page->values.branchVoltageMagnitude[v], VoltageMultiplier(units, v))}; },
        failure);
    results_.voltagePhase = results_.voltagePhase && calculated(v);
    ShowTexts(
        std::array<QLabel*, 1>{ui_.voltagePhase}, results_.voltagePhase,
        [&] { return One{GeneralText(page->voltagePhase[v])}; }, failure);
    results_.inputImpedanceMagnitude = results_.inputImpedanceMagnitude && page != nullptr;
    ShowTexts(
        std::array<QLabel*, 1>{ui_.inputImpedanceMagnitude}, results_.inputImpedanceMagnitude,
        [&] { return One{DisplayValue(page->inputImpedanceMagnitude, InputImpedanceMultiplier(units))}; }, failure);
    results_.inputImpedancePhase = results_.inputImpedancePhase && page != nullptr;
    ShowTexts(
        std::array<QLabel*, 1>{ui_.inputImpedancePhase}, results_.inputImpedancePhase,
        [&] { return One{GeneralText(page->inputImpedancePhase)}; }, failure);
    return failure;
}

void MainWindow::ShowPageResultsGuarded()
{
    if (const std::optional<CalcError> failure = ShowPageResults())
        ShowMessage(Tr(failure->description()), MessageIcon::Information, this);
}

// The commands of the branch, matrix and branch-current buttons: each
// empties the results that no longer match, opens its dialog and, unless it
// was cancelled, stores what the dialog handed over.

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "document/language.h"
#include "calc/calc_error.h"
#include "calc/loop_analysis.h"
#include "calc/number_text.h"
#include "current_dialog.h"
#include "document/circuit_of_document.h"
#include "element_dialog.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "matrix_dialog.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"
#include "texts.h"

namespace {

// Definition texts longer than this are shown in the small face.
constexpr int kLongDefinition = 8;

// Raises the error that showing the impedance would meet, so that it comes
// before anything is stored.
void CheckShowable(const Complex& z, double multiplier)
{
    DisplayValue(z.re, multiplier);
    DisplayValue(z.im, multiplier);
}

// Branch impedance at the frequency, raising the error that forming or
// showing it meets.
Complex ShowableImpedance(const BranchElements& elements, double frequency, double multiplier)
{
    const Complex z = BranchImpedanceAt(elements, frequency);
    CheckShowable(z, multiplier);
    return z;
}

// A definition confirmed with nothing pressed means zero, as one never
// entered does; a file records neither.
std::optional<SignedSumMarks> RecordedMatrixMarks(const SignedSumMarks& marks)
{
    if (std::all_of(marks.begin(), marks.end(), [](int16_t m) { return m == 0; })) return std::nullopt;
    return marks;
}

}  // namespace

void MainWindow::ClearDefinitionResults()
{
    ClearEmfResults();
    ClearInputImpedance();
}

void MainWindow::OnElementButton(int b)
{
    if (b < 1 || b > entry_.branches) return;
    ShowUsedValue(ui_.frequencyField, entry_.frequency.text);
    ClearDefinitionResults();
    ElementDialog dialog(QStringLiteral("Z%1").arg(b), entry_.elements[b - 1].value_or(ElementEntry{}), this);
    if (dialog.exec() != QDialog::Accepted) return;
    StoreElement(b, dialog.Entry());
    EntryMayHaveChanged();
}

void MainWindow::StoreElement(int b, const ElementEntry& entry)
{
    try {
        const BranchElements elements = ElementsOf(entry);
        const Complex z = ShowableImpedance(elements, FrequencyOf(entry_), ImpedanceMultiplier(*entry_.display, b));
        entry_.elements[b - 1] = entry;
        results_.impedance[b] = z;
        ShowPageResults();
    } catch (const CalcError& e) {
        const bool capacitorAtZero = e.number() == CalcError::DivisionByZero &&
                                     EnteredNumber(entry.values[kCapacitanceEntry]) != 0 &&
                                     EnteredNumber(entry_.frequency) == 0;
        if (capacitorAtZero)
            ShowMessage(Tr(texts::kCapacitorAtZero), MessageIcon::None, this);
        else
            ShowMessage(Tr(e.description()), MessageIcon::Information, this);
    }
}

void MainWindow::LoadElement(int b, const ElementEntry& entry)
{
    entry_.elements[b - 1] = entry;
    try {
        results_.impedance[b] =
            ShowableImpedance(ElementsOf(entry), FrequencyOf(entry_), ImpedanceMultiplier(*entry_.display, b));
    } catch (const CalcError&) {
        results_.impedance[b].reset();
    }
    ShowPageResults();
}

void MainWindow::OnMatrixButton(int j, int k)
{
    if (j < 1 || j > k || k > entry_.loops) return;
    ClearDefinitionResults();
    MatrixElementDialog dialog(j, k, entry_.branches, MatrixPressesShown(j, k), this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The caption face follows what was pressed, even in a cancelled dialog.
    SetMatrixCaptionFace(j, k, dialog.Entry().text);
    if (accepted) matrixPresses_[MatrixPosition(j, k)] = dialog.Presses();
    if (accepted) StoreMatrixElement(j, k, dialog.Entry());
    EntryMayHaveChanged();
}

// The presses that built the element's caption and marks when the dialog
// built them; the same marks pressed in order when the definition came from
// a file or from the branch currents.
SumPresses MainWindow::MatrixPressesShown(int j, int k) const
{
    const int position = MatrixPosition(j, k);
    const SignedSumMarks marks = entry_.matrix[position].value_or(SignedSumMarks(kMatrixMarkPlaces, 0));
    const SumPresses& pressed = matrixPresses_[position];
    const SignedSumEntry built = EntryOfPresses(pressed, SumKind::MatrixElement);
    if (built.marks == marks && built.text == ui_.matrixButtons[j][k]->text()) return pressed;
    return PressesOf(marks, SumKind::MatrixElement);
}

void MainWindow::SetMatrixCaptionFace(int j, int k, const QString& definition)
{
    QPushButton* button = ui_.matrixButtons[j][k];
    QFont font = button->font();
    font.setPointSizeF(definition.size() > kLongDefinition ? layout::kLongMatrixPoints : layout::kMatrixPoints);
    button->setFont(font);
}

// An empty definition shows the element's name again; the mirror element
// keeps its caption then.
void MainWindow::StoreMatrixElement(int j, int k, const SignedSumEntry& entry)
{
    if (!entry.text.isEmpty()) {
        ui_.matrixButtons[j][k]->setText(entry.text);
        if (j < k) ui_.matrixButtons[k][j]->setText(entry.text);
    } else {
        ui_.matrixButtons[j][k]->setText(DefaultMatrixCaption(j, k));
    }
    entry_.matrix[MatrixPosition(j, k)] = RecordedMatrixMarks(entry.marks);
    try {
        MatrixElementValue(entry_, j, k);
    } catch (const CalcError& e) {
        ShowMessage(Tr(e.description()), MessageIcon::Information, this);
    }
}

void MainWindow::OnCurrentButton(int b)
{
    if (b < 1 || b > entry_.branches) return;
    ClearDefinitionResults();
    BranchCurrentDialog dialog(b, entry_.loops, this);
    if (dialog.exec() != QDialog::Accepted) return;
    StoreCurrentDefinition(b, dialog.Entry());
    EntryMayHaveChanged();
}

void MainWindow::StoreCurrentDefinition(int b, const SignedSumEntry& entry)
{
    ShowCurrentDefinition(b, entry.text);
    entry_.currents[b - 1] = entry.marks;
}

// Filling the window from a circuit document, as opening a file or restoring
// a recovered circuit does: every value, unit and definition goes through the
// same steps as when the user enters it, so the window cannot tell the
// difference. The results stay empty until 計算実行.

#include <QLabel>
#include <QPushButton>

#include "entry_field.h"
#include "main_window.h"
#include "document/qstring_utf8.h"
#include "selector.h"
#include "document/signed_sum_text.h"
#include "texts.h"

void MainWindow::LoadDocument(const CircuitDocument& document)
{
    InitCircuit(document.loops, document.branches);

    ui_.emfUnit->SetText(document.emf.unit);
    ChooseUnit(ui_.emfUnit, units::kEmf, entry_.emf.unit);
    ui_.emfField->ShowEntered(document.emf.text);
    ui_.frequencyUnit->SetText(document.frequency.unit);
    ChooseUnit(ui_.frequencyUnit, units::kFrequency, entry_.frequency.unit);
    ui_.frequencyField->ShowEntered(document.frequency.text);

    const DisplayUnits units = DisplayUnitsOf(document);
    entry_.display = units;
    ui_.inputImpedanceUnit->SetText(units.inputImpedance);
    for (int b = 1; b <= entry_.branches; ++b) {
        ui_.impedanceUnit[b]->SetText(units.impedance[b - 1]);
        ui_.currentUnit[b]->SetText(units.current[b - 1]);
    }
    ui_.voltageUnit->SetText(units.voltage[0]);

    for (int b = 1; b <= entry_.branches; ++b)
        if (const auto& element = document.elements[b - 1]) LoadElement(b, *element);
    for (int j = 1; j <= entry_.loops; ++j)
        for (int k = j; k <= entry_.loops; ++k)
            if (const auto& marks = document.matrix[MatrixPosition(j, k)]) WriteMatrixDefinition(j, k, *marks);
    for (int b = 1; b <= entry_.branches; ++b)
        if (const auto& marks = document.currents[b - 1])
            StoreCurrentDefinition(b, {*marks, SumCaption(*marks, SumKind::BranchCurrent)});
    entry_.drawing = document.drawing;
    ShowDrawing();
    EntryMayHaveChanged();
}

// The diagram window of the circuit: its drawing is part of the document,
// and 計算ページへ反映 is the one way it changes the calculation page.

#include <QLabel>
#include <QPushButton>

#include "document/language.h"
#include "calc/calc_error.h"
#include "diagram_window.h"
#include "diagram_window_texts.h"
#include "document/circuit_of_document.h"
#include "document/drawn_page.h"
#include "document/qstring_utf8.h"
#include "document/signed_sum_text.h"
#include "document/spice_netlist.h"
#include "document/whole_file.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "selector.h"
#include "texts.h"

namespace {

namespace text = diagram_window_text;

// Whether applying leaves any entry of the page other than it was: an element
// value, a branch current or a matrix element changed, or removed with its
// branch or loop.
bool ReplacesEntries(const CircuitDocument& page, const CircuitDocument& applied)
{
    for (int b = 1; b <= page.branches; ++b) {
        const bool kept = b <= applied.branches;
        if (page.elements[b - 1] && (!kept || applied.elements[b - 1] != page.elements[b - 1])) return true;
        if (page.currents[b - 1] && (!kept || applied.currents[b - 1] != page.currents[b - 1])) return true;
    }
    for (size_t at = 0; at < page.matrix.size(); ++at)
        if (page.matrix[at] && applied.matrix[at] != page.matrix[at]) return true;
    return false;
}

}  // namespace

void MainWindow::OnDiagram()
{
    if (!diagram_) {
        diagram_ = new DiagramWindow(this);
        connect(diagram_, &DiagramWindow::drawingChanged, this, &MainWindow::OnDrawingChanged);
        connect(diagram_, &DiagramWindow::applyRequested, this, &MainWindow::OnApplyDrawing);
        connect(diagram_, &DiagramWindow::exportRequested, this, &MainWindow::OnExportNetlist);
        ShowDrawing();
    }
    diagram_->show();
    diagram_->raise();
    diagram_->activateWindow();
}

void MainWindow::ShowDrawing()
{
    if (diagram_) diagram_->SetDrawing(entry_.drawing.value_or(DrawnCircuit{}));
}

void MainWindow::OnDrawingChanged()
{
    entry_.drawing = StoredDrawing(diagram_->Drawing());
    EntryMayHaveChanged();
}

// Element values, definitions and counts go through the steps of the
// selectors and dialogs, so that the page shows what they would have shown;
// an element value that cannot be shown at the frequency in use is said and
// leaves the branch as it was, as in the element dialog.
void MainWindow::OnApplyDrawing(const DrawnCircuit& drawing, const DiagramLoops& loops)
{
    ShowUsedValues();
    const CircuitDocument applied = DrawnPage(entry_, drawing, loops);
    if (ReplacesEntries(entry_, applied) &&
        Ask(Tr(text::kReplaceDefinitions), Tr(texts::kYes), Tr(texts::kNo), diagram_) != Answer::Yes)
        return;
    ClearDefinitionResults();
    if (applied.loops != entry_.loops || applied.branches != entry_.branches) {
        ui_.loopCount->Choose(U8(texts::kCounts[applied.loops - 2]));
        ui_.branchCount->Choose(U8(texts::kCounts[applied.branches - 2]));
        Resize(applied.loops, applied.branches);
    }
    for (int b = 1; b <= applied.branches; ++b) {
        const auto& element = applied.elements[b - 1];
        if (element && element != entry_.elements[b - 1]) StoreElement(b, *element);
        const SignedSumMarks& current = *applied.currents[b - 1];
        StoreCurrentDefinition(b, {current, SumCaption(current, SumKind::BranchCurrent)});
    }
    for (int j = 1; j <= applied.loops; ++j)
        for (int k = j; k <= applied.loops; ++k) WriteMatrixDefinition(j, k, *applied.matrix[MatrixPosition(j, k)]);
    EntryMayHaveChanged();
}

// The circuit 計算ページへ反映 would leave, swept over the graph's decades
// from its left edge.
void MainWindow::OnExportNetlist(const DrawnCircuit& drawing, const DiagramLoops& loops)
{
    ShowUsedValues();
    std::string netlist;
    try {
        netlist = SpiceNetlist(loops, CircuitOf(DrawnPage(entry_, drawing, loops)), g_.sweepStart);
    } catch (const CalcError& e) {
        ShowMessage(Tr(e.description()), MessageIcon::Information, diagram_);
        return;
    }
    const SaveQuestion question{Tr(text::kExportNetlist),
                                {{U8(text::kNetlistFilter), U8(text::kNetlistSuffix)}},
                                netlistPlace_.Suggestion(filePath_)};
    const QString path = exportChooser_(diagram_, question);
    if (path.isEmpty()) return;
    if (const std::optional<QString> failure = WriteWholeFile(path, QByteArray::fromStdString(netlist))) {
        ShowMessage(*failure, MessageIcon::Error, diagram_);
        return;
    }
    netlistPlace_.Written(path, filePath_);
}

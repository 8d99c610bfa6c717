#include "diagram_window.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>
#include <functional>

#include "document/language.h"
#include "calc/calc_error.h"
#include "document/circuit_file.h"
#include "diagram_item_text.h"
#include "diagram_window_texts.h"
#include "element_dialog.h"
#include "platform/message_box.h"
#include "document/qstring_utf8.h"

namespace {

namespace text = diagram_window_text;

// One edit: the drawings before and after it, whole, so that undoing and
// redoing give back exactly what was there.
class DrawingEdit : public QUndoCommand {
public:
    using Shower = std::function<void(const DrawnCircuit&)>;
    DrawingEdit(Shower show, DrawnCircuit before, DrawnCircuit after)
        : show_(std::move(show)), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { show_(before_); }
    void redo() override { show_(after_); }

private:
    Shower show_;
    DrawnCircuit before_, after_;
};

void SetColour(QLabel& label, const QColor& colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

bool HasArrow(const Segment& s) { return s.kind != SegmentKind::Wire; }

}  // namespace

void DiagramWindow::SetDrawing(const DrawnCircuit& drawing)
{
    undo_->clear();
    canvas_->SetSelection({});
    Show(WithEntryPerNumber(drawing));
}

void DiagramWindow::Edit(DrawnCircuit after)
{
    if (after == drawing_) return;
    if (!FitsInCircuitFile(after.diagram)) {
        statusBar()->showMessage(Tr(text::kBeyondFileLimits), kNoticeMs);
        return;
    }
    const auto show = [this](const DrawnCircuit& d) {
        Show(d);
        emit drawingChanged();
    };
    undo_->push(new DrawingEdit(show, drawing_, std::move(after)));
}

void DiagramWindow::Show(const DrawnCircuit& drawing)
{
    drawing_ = drawing;
    outcome_ = DeriveLoops(drawing_.diagram);
    DiagramPicture picture{drawing_.diagram, {}, {}, {}, {}};
    if (const auto* loops = std::get_if<DiagramLoops>(&outcome_)) {
        for (const Mesh& m : loops->meshes) picture.meshes.push_back(MeshMarkOf(m));
        for (const DiagramWarning& w : loops->warnings) picture.warnedAt.push_back(w.place);
    } else {
        picture.refusedAt = std::get<DiagramRefusal>(outcome_).place;
    }
    canvas_->Show(picture);
    ShowEquations();
    ShowItems();
    ShowStatus();
    ShowCursorPlace();
    UpdateCommands();
}

void DiagramWindow::ShowEquations()
{
    const auto* loops = std::get_if<DiagramLoops>(&outcome_);
    ShowLines(currents_, 0, loops ? BranchCurrentLines(*loops) : QStringList());
    ShowLines(matrix_, 1, loops ? ::MatrixLines(*loops) : QStringList());
    QStringList loopLines;
    for (int k = 1; loops && k <= loops->definitions.loops; ++k) loopLines << LoopItemName(*loops, k);
    ShowLines(loops_, std::nullopt, loopLines);
}

QStringList DiagramWindow::Shown(const EquationLabels& labels)
{
    QStringList lines;
    for (const QLabel* label : labels)
        if (!label->isHidden()) lines << label->text();
    return lines;
}

void DiagramWindow::ShowLines(const EquationLabels& labels, std::optional<int> column, const QStringList& lines)
{
    int widest = 0;
    for (int line = 0; line < static_cast<int>(labels.size()); ++line) {
        const QString text = line < lines.size() ? lines[line] : QString();
        if (labels[line]->text() != text) labels[line]->setText(text);
        labels[line]->setHidden(line >= lines.size());
        widest = std::max(widest, labels[line]->sizeHint().width());
    }
    QGridLayout& grid = *equationColumns_;
    const int widened = column ? *column : 1;
    const int needed = column ? widest : widest - grid.columnMinimumWidth(0) - grid.horizontalSpacing();
    // Setting the same width would still lay the whole area out anew.
    if (needed > grid.columnMinimumWidth(widened)) grid.setColumnMinimumWidth(widened, needed);
}

void DiagramWindow::ShowItems()
{
    QStringList names;
    for (const Segment& s : drawing_.diagram.segments) names << ItemName(s);

    // Changed in place, so that a screen reader and the scroll position stay
    // where they were and only changed rows are redrawn.
    listing_ = true;
    while (items_->topLevelItemCount() > names.size()) delete items_->takeTopLevelItem(items_->topLevelItemCount() - 1);
    for (int row = 0; row < names.size(); ++row) {
        QTreeWidgetItem* item = row < items_->topLevelItemCount() ? items_->topLevelItem(row) : new QTreeWidgetItem(items_);
        if (item->text(0) != names[row]) item->setText(0, names[row]);
    }
    listing_ = false;
    SelectionToList();
}

void DiagramWindow::ShowStatus()
{
    if (const auto* refusal = std::get_if<DiagramRefusal>(&outcome_)) {
        status_->setText(U8(RefusalText(*refusal)));
        SetColour(*status_, kRefusalInk);
        return;
    }
    const DiagramLoops& loops = std::get<DiagramLoops>(outcome_);
    QStringList warnings;
    for (const DiagramWarning& w : loops.warnings) warnings << U8(WarningText(w));
    if (warnings.isEmpty()) {
        status_->setText(Tr(text::kLoopCount) + ' ' + QString::number(loops.definitions.loops) + Tr(text::kItemGap) +
                         Tr(text::kBranchCount) + ' ' + QString::number(loops.definitions.branches));
        SetColour(*status_, kDiagramInk);
    } else {
        status_->setText(warnings.join(Tr(text::kItemGap)));
        SetColour(*status_, kWarningInk);
    }
}

void DiagramWindow::SelectionToList()
{
    listing_ = true;
    const auto& selected = canvas_->Selection();
    for (int row = 0; row < items_->topLevelItemCount(); ++row) {
        items_->topLevelItem(row)->setSelected(std::find(selected.begin(), selected.end(), row) != selected.end());
    }
    listing_ = false;
}

void DiagramWindow::ListToSelection()
{
    if (listing_) return;
    std::vector<int> places;
    for (QTreeWidgetItem* item : items_->selectedItems()) places.push_back(items_->indexOfTopLevelItem(item));
    canvas_->SetSelection(places);
}

void DiagramWindow::DescribeCursorPlace()
{
    const GridPoint at = canvas_->Cursor();
    QStringList here;
    for (int i : SegmentsThrough(drawing_.diagram, at)) here << ItemName(drawing_.diagram.segments[i]);
    canvas_->setAccessibleDescription(Tr(text::kCursorAt).arg(U8(PlaceText(at)), here.join(Tr(text::kItemGap))));
}

void DiagramWindow::ShowCursorPlace()
{
    DescribeCursorPlace();
    const GridPoint at = canvas_->Cursor();
    const QPointF pixel = canvas_->View().PixelOf(at);
    const int room = qRound(canvas_->View().spacing);
    scroll_->ensureVisible(qRound(pixel.x()), qRound(pixel.y()), room, room);
}

void DiagramWindow::UpdateCommands()
{
    applyAction_->setEnabled(std::holds_alternative<DiagramLoops>(outcome_));
    exportAction_->setEnabled(applyAction_->isEnabled());
    renumberAction_->setEnabled(NextBranchNumber(drawing_.diagram) > 1);
    const std::vector<int> targets = canvas_->Targets();
    bool arrows = false, oneBranch = targets.size() == 1;
    for (int i : targets) arrows = arrows || HasArrow(drawing_.diagram.segments[i]);
    oneBranch = oneBranch && drawing_.diagram.segments[targets.front()].kind == SegmentKind::Branch;
    reverseAction_->setEnabled(arrows);
    elementsAction_->setEnabled(oneBranch);
    deleteAction_->setEnabled(!targets.empty());
}

void DiagramWindow::OnDelete()
{
    const std::vector<int> targets = canvas_->Targets();
    if (!targets.empty()) Edit(Renumbered(drawing_, WithoutSegments(drawing_.diagram, targets)));
}

void DiagramWindow::OnReverse()
{
    DrawnCircuit reversed = drawing_;
    for (int i : canvas_->Targets())
        if (HasArrow(drawing_.diagram.segments[i])) reversed.diagram = Reversed(reversed.diagram, i);
    Edit(reversed);
}

void DiagramWindow::OnElements()
{
    const std::vector<int> targets = canvas_->Targets();
    if (targets.size() == 1) EditElements(targets.front());
}

void DiagramWindow::OnRenumber() { Edit(Renumbered(drawing_, NumberedInReadingOrder(drawing_.diagram))); }

void DiagramWindow::OnApply()
{
    if (const auto* loops = std::get_if<DiagramLoops>(&outcome_)) emit applyRequested(drawing_, *loops);
}

void DiagramWindow::OnExport()
{
    if (const auto* loops = std::get_if<DiagramLoops>(&outcome_)) emit exportRequested(drawing_, *loops);
}

void DiagramWindow::EditElements(int place)
{
    const Segment& branch = drawing_.diagram.segments.at(place);
    const int b = branch.number;
    if (branch.kind != SegmentKind::Branch || b < 1 || b > static_cast<int>(drawing_.elements.size())) return;
    ElementDialog dialog(QStringLiteral("Z%1").arg(b), drawing_.elements[b - 1].value_or(ElementEntry{}), this);
    if (dialog.exec() != QDialog::Accepted) return;
    try {
        ElementsOf(dialog.Entry());
    } catch (const CalcError& e) {
        ShowMessage(Tr(e.description()), MessageIcon::Information, this);
        return;
    }
    DrawnCircuit entered = drawing_;
    entered.elements[b - 1] = dialog.Entry();
    Edit(entered);
}

void DiagramWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && canvas_ != nullptr) {
        ShowEquations();
        ShowItems();
        ShowStatus();
        DescribeCursorPlace();
    }
    QMainWindow::changeEvent(event);
}

void DiagramWindow::ShowContextMenu(QPoint at)
{
    QMenu menu(this);
    menu.addActions({reverseAction_, elementsAction_, deleteAction_});
    menu.exec(at);
}

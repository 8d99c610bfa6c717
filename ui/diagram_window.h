#pragma once
// The diagram window: the user draws the network on a grid and sees, at
// every edit, its meshes' currents in the drawing and the branch currents and
// loop matrix beside it. It holds the drawing with each branch's element
// values and the edits that led to it; what the drawing means for the
// calculation page and its netlist is for whoever receives applyRequested
// and exportRequested.

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>
#include <variant>

#include "diagram_canvas.h"
#include "document/circuit_document.h"
#include "document/loop_equations.h"

using DiagramOutcome = std::variant<DiagramRefusal, DiagramLoops>;

class QAction;
class QGridLayout;
class QLabel;
class QTreeWidget;
class QScrollArea;
class QUndoStack;

class DiagramWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DiagramWindow(QWidget* parent = nullptr);

    // Shows this drawing, its edits not undoable; entries beyond the highest
    // branch number are left out. Emits no drawingChanged.
    void SetDrawing(const DrawnCircuit& drawing);
    const DrawnCircuit& Drawing() const { return drawing_; }
    // The loops of the drawing shown, or why it is refused.
    const DiagramOutcome& Outcome() const { return outcome_; }

    DiagramCanvas* Canvas() const { return canvas_; }
    QAction* ToolAction(DiagramTool tool) const { return toolActions_[static_cast<size_t>(tool)]; }
    QAction* ApplyAction() const { return applyAction_; }
    QAction* ExportAction() const { return exportAction_; }
    // What the window shows beside the drawing and in its status line.
    QStringList CurrentLines() const { return Shown(currents_); }
    QStringList MatrixLines() const { return Shown(matrix_); }
    QStringList LoopLines() const { return Shown(loops_); }
    QTreeWidget* ItemList() const { return items_; }
    QLabel* StatusLabel() const { return status_; }

    // The commands on the selection, or else on the item at the cursor.
    void OnDelete();
    void OnReverse();
    void OnElements();
    // The commands on the whole drawing.
    void OnRenumber();
    void OnApply();
    void OnExport();

signals:
    // After every edit, its undoing and its redoing.
    void drawingChanged();
    // 計算ページへ反映, only for a drawing that is not refused.
    void applyRequested(const DrawnCircuit& drawing, const DiagramLoops& loops);
    // ファイル → ＳＰＩＣＥネットリストの書き出し…, likewise.
    void exportRequested(const DrawnCircuit& drawing, const DiagramLoops& loops);

protected:
    // The lines, the items and the status in the language now in use.
    void changeEvent(QEvent* event) override;

private:
    // How long a notice stays in the status line.
    static constexpr int kNoticeMs = 4000;

    // One label a line, so that an edit redraws only the lines it changes.
    using EquationLabels = std::vector<QLabel*>;
    static QStringList Shown(const EquationLabels& labels);
    // The lines in a column of the equations, or across both for the loops.
    // The columns only ever widen.
    void ShowLines(const EquationLabels& labels, std::optional<int> column, const QStringList& lines);
    EquationLabels AddLines(int count, int firstRow, std::optional<int> column);

    void Build();
    void BuildActions();
    QWidget* BuildSidePanel();
    void ConnectCanvas();
    QAction* AddAction(const char* caption, const char* tip, const QList<QKeySequence>& keys);

    // Makes the edit one undoable step, unless it changes nothing or takes
    // the drawing beyond what a circuit file holds.
    void Edit(DrawnCircuit after);
    void Show(const DrawnCircuit& drawing);
    void ShowEquations();
    void ShowItems();
    void ShowStatus();
    void SelectionToList();
    void ListToSelection();
    // The cursor's place and the items there, for a screen reader; shown also
    // scrolls it into sight.
    void DescribeCursorPlace();
    void ShowCursorPlace();
    void EditElements(int place);
    void ShowContextMenu(QPoint at);
    void UpdateCommands();

    DrawnCircuit drawing_;
    DiagramOutcome outcome_;
    QUndoStack* undo_ = nullptr;
    DiagramCanvas* canvas_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    EquationLabels currents_{};
    EquationLabels matrix_{};
    EquationLabels loops_{};
    QGridLayout* equationColumns_ = nullptr;
    QTreeWidget* items_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QAction*, 5> toolActions_{};
    QAction* applyAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* renumberAction_ = nullptr;
    QAction* reverseAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* elementsAction_ = nullptr;
    bool listing_ = false;  // while the list is being filled or its selection set
};

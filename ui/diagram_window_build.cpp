// The diagram window's widgets, commands and their keys.

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "document/language.h"
#include "calc/circuit.h"
#include "diagram_window.h"
#include "diagram_window_texts.h"
#include "look.h"
#include "platform/shown_text.h"

namespace {

namespace text = diagram_window_text;

constexpr double kPanelPoints = 10;
constexpr QSize kWindowSize(1080, 700);

struct ToolCaption {
    const char* caption;
    const char* tip;
    Qt::Key key;
    bool drawing;
};

constexpr std::array<ToolCaption, 5> kTools = {{
    {text::kWireTool, text::kWireTip, Qt::Key_W, true},
    {text::kBranchTool, text::kBranchTip, Qt::Key_B, true},
    {text::kSourceTool, text::kSourceTip, Qt::Key_E, true},
    {text::kSelectTool, text::kSelectTip, Qt::Key_S, false},
    {text::kDeleteTool, text::kDeleteTip, Qt::Key_D, false},
}};

QLabel* HeadingLabel(const char* caption)
{
    auto* label = new QLabel;
    ShowText(label, TextRole::Text, caption);
    label->setFont(GothicFont(kPanelPoints));
    label->setStyleSheet(QStringLiteral("font-weight: bold"));
    return label;
}

QLabel* EquationLine()
{
    auto* label = new QLabel;
    label->setFont(GothicFont(kPanelPoints));
    label->setTextFormat(Qt::PlainText);
    // Its column is as wide as its widest line ever was, so that lines of
    // changing widths move no other line and an edit redraws only the lines
    // it changes.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->hide();
    return label;
}

}  // namespace

DiagramWindow::DiagramWindow(QWidget* parent) : QMainWindow(parent, Qt::Window), undo_(new QUndoStack(this))
{
    ShowText(this, TextRole::WindowTitle, text::kCaption);
    setFont(GothicFont(kPanelPoints));
    Build();
    Show(drawing_);
    resize(kWindowSize);
}

QAction* DiagramWindow::AddAction(const char* caption, const char* tip, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(this);
    ShowText(action, TextRole::Text, caption);
    ShowText(action, TextRole::ToolTip, tip);
    action->setShortcuts(keys);
    addAction(action);
    return action;
}

void DiagramWindow::BuildActions()
{
    QMenu* file = menuBar()->addMenu(QString());
    ShowText(file, TextRole::Title, text::kFileMenu);
    exportAction_ = file->addAction(QString(), this, &DiagramWindow::OnExport);
    ShowText(exportAction_, TextRole::Text, text::kExportNetlist);
    QToolBar* tools = addToolBar(QString());
    // Qt's interface for a tool bar keeps the title it was first read with;
    // a new one reads the title in the language now in use.
    ShowText(tools, text::kCaption, [tools](const QString& title) {
        tools->setWindowTitle(title);
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(tools)));
    });
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* group = new QActionGroup(this);
    for (size_t t = 0; t < kTools.size(); ++t) {
        const ToolCaption& tool = kTools[t];
        QAction* action = toolActions_[t] = new QAction(group);
        ShowText(action, TextRole::Text, tool.caption);
        const bool drawing = tool.drawing;
        ShowText(action, tool.tip, [action, drawing](const QString& tip) {
            action->setToolTip(tip + (drawing ? Tr(text::kDrawingKeys) : QString()));
        });
        action->setShortcut(tool.key);
        action->setCheckable(true);
        addAction(action);
        tools->addAction(action);
        connect(action, &QAction::triggered, this, [this, t] { canvas_->SetTool(static_cast<DiagramTool>(t)); });
    }
    toolActions_[0]->setChecked(true);
    tools->addSeparator();

    QAction* undo = AddAction(text::kUndo, text::kUndoTip, {QKeySequence::Undo});
    // Ctrl+Y wherever the platform's keys for redoing lack it; a key given
    // twice would be ambiguous and do nothing.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QAction* redo = AddAction(text::kRedo, text::kRedoTip, redoKeys);
    connect(undo, &QAction::triggered, undo_, &QUndoStack::undo);
    connect(redo, &QAction::triggered, undo_, &QUndoStack::redo);
    connect(undo_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
    renumberAction_ = AddAction(text::kRenumber, text::kRenumberTip, {Qt::Key_N});
    connect(renumberAction_, &QAction::triggered, this, &DiagramWindow::OnRenumber);
    tools->addActions({undo, redo, renumberAction_});
    tools->addSeparator();

    QAction* zoomIn = AddAction(text::kZoomIn, text::kZoomInTip, {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal});
    QAction* zoomOut = AddAction(text::kZoomOut, text::kZoomOutTip, {QKeySequence::ZoomOut});
    const auto zoomAroundMiddle = [this](int steps) {
        const QWidget* port = scroll_->viewport();
        canvas_->ZoomBy(steps, canvas_->mapFrom(port, QPointF(port->width() / 2.0, port->height() / 2.0)));
    };
    connect(zoomIn, &QAction::triggered, this, [zoomAroundMiddle] { zoomAroundMiddle(1); });
    connect(zoomOut, &QAction::triggered, this, [zoomAroundMiddle] { zoomAroundMiddle(-1); });
    tools->addActions({zoomIn, zoomOut});
    tools->addSeparator();

    applyAction_ = AddAction(text::kApply, text::kApplyTip,
                             {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(applyAction_, &QAction::triggered, this, &DiagramWindow::OnApply);
    tools->addAction(applyAction_);

    // In the context menu and by their keys only.
    reverseAction_ = AddAction(text::kReverse, text::kReverseTip, {Qt::Key_R});
    elementsAction_ = AddAction(text::kElementValues, text::kSelectTip, {});
    deleteAction_ = AddAction(text::kDeleteTool, text::kDeleteTip, {QKeySequence::Delete});
    connect(reverseAction_, &QAction::triggered, this, &DiagramWindow::OnReverse);
    connect(elementsAction_, &QAction::triggered, this, &DiagramWindow::OnElements);
    connect(deleteAction_, &QAction::triggered, this, &DiagramWindow::OnDelete);
}

DiagramWindow::EquationLabels DiagramWindow::AddLines(int count, int firstRow, std::optional<int> column)
{
    EquationLabels labels;
    for (int line = 0; line < count; ++line) {
        labels.push_back(EquationLine());
        if (column)
            equationColumns_->addWidget(labels.back(), firstRow + line, *column);
        else
            equationColumns_->addWidget(labels.back(), firstRow + line, 0, 1, 2);
    }
    return labels;
}

QWidget* DiagramWindow::BuildSidePanel()
{
    auto* equations = new QWidget;
    auto* columns = equationColumns_ = new QGridLayout(equations);
    columns->addWidget(HeadingLabel(text::kCurrentsHeading), 0, 0);
    columns->addWidget(HeadingLabel(text::kMatrixHeading), 0, 1);
    constexpr int kMatrixLines = Circuit::MaxLoops * (Circuit::MaxLoops + 1) / 2;
    currents_ = AddLines(Circuit::MaxBranches, 1, 0);
    matrix_ = AddLines(kMatrixLines, 1, 1);
    constexpr int kLoopRow = std::max<int>(Circuit::MaxBranches, kMatrixLines) + 2;
    columns->setRowMinimumHeight(kLoopRow - 1, 12);
    loops_ = AddLines(Circuit::MaxLoops, kLoopRow, std::nullopt);
    columns->setRowStretch(kLoopRow + Circuit::MaxLoops, 1);
    columns->setVerticalSpacing(2);
    columns->setColumnStretch(1, 1);
    columns->setHorizontalSpacing(16);
    items_ = new QTreeWidget;
    items_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A tree of one level rather than a list: it redraws only the rows that change.
    items_->setHeaderHidden(true);
    items_->setRootIsDecorated(false);
    items_->setUniformRowHeights(true);
    ShowText(items_, TextRole::AccessibleName, text::kItemsHeading);

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(equations);
    layout->addWidget(HeadingLabel(text::kItemsHeading));
    layout->addWidget(items_, 1);
    return panel;
}

void DiagramWindow::Build()
{
    BuildActions();
    canvas_ = new DiagramCanvas;
    ShowText(canvas_, TextRole::AccessibleName, text::kCaption);
    scroll_ = new QScrollArea;
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(false);
    scroll_->setBackgroundRole(QPalette::Base);

    auto* splitter = new QSplitter(Qt::Horizontal);
    QWidget* panel = BuildSidePanel();
    splitter->addWidget(scroll_);
    splitter->addWidget(panel);
    splitter->setStretchFactor(0, 1);
    splitter->setChildrenCollapsible(false);
    const int panelWidth = panel->sizeHint().width();
    splitter->setSizes({kWindowSize.width() - panelWidth, panelWidth});
    setCentralWidget(splitter);

    status_ = new QLabel;
    status_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(status_, 1);
    ConnectCanvas();
    canvas_->setFocus();
}

void DiagramWindow::ConnectCanvas()
{
    connect(canvas_, &DiagramCanvas::segmentDrawn, this,
            [this](const Segment& s) { Edit(WithSegment(drawing_, s)); });
    connect(canvas_, &DiagramCanvas::deleteRequested, this, [this](const std::vector<int>& places) {
        Edit(Renumbered(drawing_, WithoutSegments(drawing_.diagram, places)));
    });
    connect(canvas_, &DiagramCanvas::moveRequested, this, [this](const std::vector<int>& places, GridPoint by) {
        DrawnCircuit moved = drawing_;
        moved.diagram = Moved(drawing_.diagram, places, by);
        Edit(moved);
    });
    connect(canvas_, &DiagramCanvas::elementsRequested, this, &DiagramWindow::EditElements);
    connect(canvas_, &DiagramCanvas::contextMenuRequested, this, &DiagramWindow::ShowContextMenu);
    connect(canvas_, &DiagramCanvas::selectionChanged, this, [this] {
        SelectionToList();
        UpdateCommands();
    });
    connect(canvas_, &DiagramCanvas::cursorMoved, this, [this] {
        ShowCursorPlace();
        UpdateCommands();
    });
    connect(canvas_, &DiagramCanvas::zoomed, this, [this](QPointF before, QPointF after) {
        const QPointF by = after - before;
        scroll_->horizontalScrollBar()->setValue(scroll_->horizontalScrollBar()->value() + qRound(by.x()));
        scroll_->verticalScrollBar()->setValue(scroll_->verticalScrollBar()->value() + qRound(by.y()));
    });
    connect(canvas_, &DiagramCanvas::notAlongGrid, this,
            [this] { statusBar()->showMessage(Tr(text::kNotAlongGrid), kNoticeMs); });
    connect(items_, &QTreeWidget::itemSelectionChanged, this, &DiagramWindow::ListToSelection);
    connect(items_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { EditElements(items_->indexOfTopLevelItem(item)); });
}

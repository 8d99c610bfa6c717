// The diagram window's widgets, commands and their keys.

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "diagram_window.h"
#include "diagram_window_texts.h"
#include "look.h"
#include "platform/qstring_utf8.h"

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
    auto* label = new QLabel(U8(caption));
    label->setFont(GothicFont(kPanelPoints));
    label->setStyleSheet(QStringLiteral("font-weight: bold"));
    return label;
}

QLabel* EquationLines()
{
    auto* label = new QLabel;
    label->setFont(GothicFont(kPanelPoints));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

DiagramWindow::DiagramWindow(QWidget* parent) : QMainWindow(parent), undo_(new QUndoStack(this))
{
    setWindowTitle(U8(text::kCaption));
    setFont(GothicFont(kPanelPoints));
    Build();
    Show(drawing_);
    resize(kWindowSize);
}

QAction* DiagramWindow::AddAction(const char* caption, const char* tip, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(U8(caption), this);
    action->setToolTip(U8(tip));
    action->setShortcuts(keys);
    addAction(action);
    return action;
}

void DiagramWindow::BuildActions()
{
    QToolBar* tools = addToolBar(U8(text::kCaption));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* group = new QActionGroup(this);
    for (size_t t = 0; t < kTools.size(); ++t) {
        const ToolCaption& tool = kTools[t];
        const QString tip = U8(tool.tip) + (tool.drawing ? U8(text::kDrawingKeys) : QString());
        QAction* action = toolActions_[t] = new QAction(U8(tool.caption), group);
        action->setToolTip(tip);
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

QWidget* DiagramWindow::BuildSidePanel()
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    currents_ = EquationLines();
    matrix_ = EquationLines();
    currents_->setAccessibleName(U8(text::kCurrentsHeading));
    matrix_->setAccessibleName(U8(text::kMatrixHeading));
    auto* equations = new QHBoxLayout;
    auto* currentColumn = new QVBoxLayout;
    currentColumn->addWidget(HeadingLabel(text::kCurrentsHeading));
    currentColumn->addWidget(currents_);
    currentColumn->addStretch(1);
    auto* matrixColumn = new QVBoxLayout;
    matrixColumn->addWidget(HeadingLabel(text::kMatrixHeading));
    matrixColumn->addWidget(matrix_);
    matrixColumn->addStretch(1);
    equations->addLayout(currentColumn, 1);
    equations->addLayout(matrixColumn, 2);
    layout->addLayout(equations);
    layout->addSpacing(12);

    items_ = new QListWidget;
    items_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    items_->setAccessibleName(U8(text::kItemsHeading));
    layout->addWidget(HeadingLabel(text::kItemsHeading));
    layout->addWidget(items_, 1);
    return panel;
}

void DiagramWindow::Build()
{
    BuildActions();
    canvas_ = new DiagramCanvas;
    canvas_->setAccessibleName(U8(text::kCaption));
    scroll_ = new QScrollArea;
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(false);
    scroll_->setBackgroundRole(QPalette::Base);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(scroll_);
    splitter->addWidget(BuildSidePanel());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);
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
    connect(canvas_, &DiagramCanvas::cursorMoved, this, &DiagramWindow::ShowCursorPlace);
    connect(canvas_, &DiagramCanvas::zoomed, this, [this](QPointF before, QPointF after) {
        const QPointF by = after - before;
        scroll_->horizontalScrollBar()->setValue(scroll_->horizontalScrollBar()->value() + qRound(by.x()));
        scroll_->verticalScrollBar()->setValue(scroll_->verticalScrollBar()->value() + qRound(by.y()));
    });
    connect(canvas_, &DiagramCanvas::notAlongGrid, this,
            [this] { statusBar()->showMessage(U8(text::kNotAlongGrid), 4000); });
    connect(items_, &QListWidget::itemSelectionChanged, this, &DiagramWindow::ListToSelection);
    connect(items_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QVariant place = item->data(Qt::UserRole);
        if (place.isValid()) EditElements(place.toInt());
    });
}

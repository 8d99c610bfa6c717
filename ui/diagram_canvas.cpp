#include "diagram_canvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

#include "diagram_canvas_accessible.h"
#include "document/drawing_edits.h"

namespace {

constexpr std::array kZoomLevels = {0.5, 0.625, 0.75, 0.875, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The end a drag reaches: along the row or the column it mostly follows.
GridPoint AlongGrid(GridPoint from, GridPoint to)
{
    if (std::abs(to.x - from.x) >= std::abs(to.y - from.y)) return {to.x, from.y};
    return {from.x, to.y};
}

bool Contains(const std::vector<int>& places, int place)
{
    return std::find(places.begin(), places.end(), place) != places.end();
}

}  // namespace

DiagramCanvas::DiagramCanvas(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    UseDiagramCanvasAccessible();
    fonts_ = FontsFor(zoom_);
    Relayout();
}

void DiagramCanvas::Show(const DiagramPicture& picture)
{
    std::vector<int> selected = picture_.selected;
    if (picture.diagram.segments.size() != picture_.diagram.segments.size()) selected.clear();
    const bool selectionDropped = selected != picture_.selected;
    picture_ = picture;
    picture_.selected = std::move(selected);
    Relayout();
    if (selectionDropped) emit selectionChanged();
}

void DiagramCanvas::Relayout()
{
    view_ = ViewOf(picture_.diagram, zoom_);
    resize(view_.Size());
    SetCursor(cursor_);
    update();
}

void DiagramCanvas::SetTool(DiagramTool tool)
{
    CancelEditing();
    tool_ = tool;
    setCursor(tool == DiagramTool::Select ? Qt::ArrowCursor : tool == DiagramTool::Delete ? Qt::PointingHandCursor
                                                                                          : Qt::CrossCursor);
}

void DiagramCanvas::SetSelection(std::vector<int> places)
{
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    const int count = static_cast<int>(picture_.diagram.segments.size());
    places.erase(std::remove_if(places.begin(), places.end(), [count](int i) { return i < 0 || i >= count; }),
                 places.end());
    if (places == picture_.selected) return;
    picture_.selected = std::move(places);
    update();
    emit selectionChanged();
}

void DiagramCanvas::ZoomBy(int steps, QPointF anchor)
{
    const auto level = std::lower_bound(kZoomLevels.begin(), kZoomLevels.end(), zoom_ - 1e-9);
    const auto next = std::clamp<std::ptrdiff_t>(level - kZoomLevels.begin() + steps, 0, kZoomLevels.size() - 1);
    if (kZoomLevels[next] == zoom_) return;
    const double gridX = (anchor.x() - view_.margin) / view_.spacing + view_.first.x;
    const double gridY = (anchor.y() - view_.margin) / view_.spacing + view_.first.y;
    zoom_ = kZoomLevels[next];
    fonts_ = FontsFor(zoom_);
    Relayout();
    emit zoomed(anchor, view_.PixelOf(gridX, gridY));
}

void DiagramCanvas::SetCursor(GridPoint at)
{
    const GridPoint clamped{std::clamp(at.x, view_.first.x, view_.last.x), std::clamp(at.y, view_.first.y, view_.last.y)};
    if (clamped == cursor_) return;
    cursor_ = clamped;
    if (editing_.start) editing_.laid = KeyboardSegment();
    update();
    emit cursorMoved();
}

std::optional<int> DiagramCanvas::ItemAtCursor() const
{
    const std::vector<int> through = SegmentsThrough(picture_.diagram, cursor_);
    const auto symbol = std::find_if(through.begin(), through.end(), [this](int i) {
        return picture_.diagram.segments[i].kind != SegmentKind::Wire;
    });
    if (symbol != through.end()) return *symbol;
    if (!through.empty()) return through.front();
    return std::nullopt;
}

std::vector<int> DiagramCanvas::Targets() const
{
    if (!picture_.selected.empty()) return picture_.selected;
    if (const auto item = ItemAtCursor()) return {*item};
    return {};
}

SegmentKind DiagramCanvas::DrawnKind() const
{
    if (tool_ == DiagramTool::Branch) return SegmentKind::Branch;
    if (tool_ == DiagramTool::Source) return SegmentKind::Source;
    return SegmentKind::Wire;
}

std::optional<Segment> DiagramCanvas::KeyboardSegment() const
{
    if (!editing_.start || *editing_.start == cursor_) return std::nullopt;
    if (editing_.start->x != cursor_.x && editing_.start->y != cursor_.y) return std::nullopt;
    return Segment{DrawnKind(), NextBranchNumber(picture_.diagram), *editing_.start, cursor_};
}

void DiagramCanvas::CancelEditing()
{
    drag_ = Drag::None;
    editing_.start.reset();
    editing_.laid.reset();
    editing_.band.reset();
    editing_.movedBy = {};
    update();
}

void DiagramCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    EditingMarks marks = editing_;
    if (hasFocus()) marks.cursor = cursor_;
    PaintDiagram(p, view_, fonts_, picture_, marks);
}

void DiagramCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    CancelEditing();
    pressedAt_ = event->position();
    const GridPoint at = view_.NearestPoint(pressedAt_);
    SetCursor(at);
    switch (tool_) {
    case DiagramTool::Wire:
    case DiagramTool::Branch:
    case DiagramTool::Source:
        drag_ = Drag::Laying;
        editing_.laid = Segment{DrawnKind(), NextBranchNumber(picture_.diagram), at, at};
        break;
    case DiagramTool::Select: PressToSelect(pressedAt_, event->modifiers() & Qt::ControlModifier); break;
    case DiagramTool::Delete:
        if (const auto item = ItemAt(picture_.diagram, view_, pressedAt_)) emit deleteRequested({*item});
        break;
    }
}

void DiagramCanvas::PressToSelect(QPointF at, bool adding)
{
    const auto item = ItemAt(picture_.diagram, view_, at);
    if (!item) {
        if (!adding) SetSelection({});
        drag_ = Drag::Band;
        return;
    }
    if (adding) return ToggleSelected(*item);
    if (!Contains(picture_.selected, *item)) SetSelection({*item});
    drag_ = Drag::Moving;
}

void DiagramCanvas::ToggleSelected(int place)
{
    std::vector<int> selection = picture_.selected;
    if (Contains(selection, place))
        selection.erase(std::find(selection.begin(), selection.end(), place));
    else
        selection.push_back(place);
    SetSelection(selection);
}

void DiagramCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    switch (drag_) {
    case Drag::None: return;
    case Drag::Laying: editing_.laid->to = AlongGrid(editing_.laid->from, view_.NearestPoint(at)); break;
    case Drag::Moving: {
        const QPointF by = (at - pressedAt_) / view_.spacing;
        editing_.movedBy = {static_cast<int>(std::lround(by.x())), static_cast<int>(std::lround(by.y()))};
        break;
    }
    case Drag::Band: editing_.band = QRectF(pressedAt_, at).normalized(); break;
    }
    update();
}

void DiagramCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || drag_ == Drag::None) return QWidget::mouseReleaseEvent(event);
    mouseMoveEvent(event);
    const Drag finished = drag_;
    const std::optional<Segment> laid = editing_.laid;
    const GridPoint movedBy = editing_.movedBy;
    const std::optional<QRectF> band = editing_.band;
    CancelEditing();
    if (finished == Drag::Laying && laid->from != laid->to) {
        SetCursor(laid->to);
        emit segmentDrawn(*laid);
    } else if (finished == Drag::Moving && movedBy != GridPoint{}) {
        emit moveRequested(picture_.selected, movedBy);
    } else if (finished == Drag::Band && band) {
        SelectInBand(*band, event->modifiers() & Qt::ControlModifier);
    }
}

void DiagramCanvas::SelectInBand(const QRectF& band, bool adding)
{
    std::vector<int> selection = adding ? picture_.selected : std::vector<int>{};
    for (int i = 0; i < static_cast<int>(picture_.diagram.segments.size()); ++i) {
        const Segment& s = picture_.diagram.segments[i];
        if (band.contains(view_.PixelOf(s.from)) && band.contains(view_.PixelOf(s.to))) selection.push_back(i);
    }
    SetSelection(selection);
}

void DiagramCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    CancelEditing();
    const auto item = ItemAt(picture_.diagram, view_, event->position());
    if (item && picture_.diagram.segments[*item].kind == SegmentKind::Branch) emit elementsRequested(*item);
}

void DiagramCanvas::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) return event->ignore();
    ZoomBy(event->angleDelta().y() > 0 ? 1 : -1, event->position());
    event->accept();
}

void DiagramCanvas::contextMenuEvent(QContextMenuEvent* event)
{
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    const auto item = byMouse ? ItemAt(picture_.diagram, view_, event->pos()) : ItemAtCursor();
    if (byMouse && !item) return;
    if (item && !Contains(picture_.selected, *item)) SetSelection({*item});
    emit contextMenuRequested(byMouse ? event->globalPos() : mapToGlobal(view_.PixelOf(cursor_).toPoint()));
}

void DiagramCanvas::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const auto step = [&]() -> std::optional<GridPoint> {
        switch (event->key()) {
        case Qt::Key_Left: return GridPoint{-1, 0};
        case Qt::Key_Right: return GridPoint{1, 0};
        case Qt::Key_Up: return GridPoint{0, -1};
        case Qt::Key_Down: return GridPoint{0, 1};
        default: return std::nullopt;
        }
    }();
    if (step && ctrl) {
        if (!picture_.selected.empty()) emit moveRequested(picture_.selected, *step);
    } else if (step) {
        MoveCursor(*step);
    } else if (!ctrl && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        ActAtCursor(event->key() != Qt::Key_Space);
    } else if (event->key() == Qt::Key_Escape && (drag_ != Drag::None || editing_.start)) {
        CancelEditing();
    } else if (event->key() == Qt::Key_Escape) {
        SetSelection({});
    } else {
        return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void DiagramCanvas::MoveCursor(GridPoint by) { SetCursor({cursor_.x + by.x, cursor_.y + by.y}); }

void DiagramCanvas::ActAtCursor(bool enter)
{
    switch (tool_) {
    case DiagramTool::Wire:
    case DiagramTool::Branch:
    case DiagramTool::Source: LayFromKeyboard(); break;
    case DiagramTool::Select:
        if (const auto item = ItemAtCursor(); item && !enter)
            ToggleSelected(*item);
        else if (item && picture_.diagram.segments[*item].kind == SegmentKind::Branch)
            emit elementsRequested(*item);
        break;
    case DiagramTool::Delete:
        if (const auto item = ItemAtCursor()) emit deleteRequested({*item});
        break;
    }
}

void DiagramCanvas::LayFromKeyboard()
{
    if (!editing_.start || *editing_.start == cursor_) {
        editing_.start = cursor_;
        editing_.laid.reset();
        update();
        return;
    }
    const std::optional<Segment> laid = KeyboardSegment();
    if (!laid) return emit notAlongGrid();
    CancelEditing();
    emit segmentDrawn(*laid);
}

void DiagramCanvas::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void DiagramCanvas::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

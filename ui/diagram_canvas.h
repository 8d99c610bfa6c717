#pragma once
// The drawing surface of the diagram window. It shows a drawing and turns
// the mouse and the keys into requests for edits, which the window makes;
// it keeps only what is being done: the tool, the selection, the cursor, the
// zoom and a segment being laid or moved.

#include <QWidget>
#include <optional>
#include <vector>

#include "diagram_painting.h"

enum class DiagramTool { Wire, Branch, Source, Select, Delete };

class DiagramCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DiagramCanvas(QWidget* parent = nullptr);

    // The selection stays where the drawing keeps its number of segments;
    // picture.selected is the canvas's own.
    void Show(const DiagramPicture& picture);
    const Diagram& Drawing() const { return picture_.diagram; }
    const GridView& View() const { return view_; }

    DiagramTool Tool() const { return tool_; }
    void SetTool(DiagramTool tool);

    const std::vector<int>& Selection() const { return picture_.selected; }
    void SetSelection(std::vector<int> places);

    double Zoom() const { return zoom_; }
    // Steps up (positive) or down the zoom levels, keeping the grid point
    // under `anchor` where it is as far as the scroll area lets it.
    void ZoomBy(int steps, QPointF anchor);

    GridPoint Cursor() const { return cursor_; }
    void SetCursor(GridPoint at);
    // The segment at the cursor, a branch or the source before a wire.
    std::optional<int> ItemAtCursor() const;
    // The selection, or else the segment at the cursor.
    std::vector<int> Targets() const;

signals:
    void segmentDrawn(const Segment& segment);
    void deleteRequested(const std::vector<int>& places);
    void moveRequested(const std::vector<int>& places, GridPoint by);
    void elementsRequested(int place);
    void contextMenuRequested(QPoint globalPosition);
    void selectionChanged();
    void cursorMoved();
    // A pixel of the canvas that zooming moved from `before` to `after`.
    void zoomed(QPointF before, QPointF after);
    // A segment laid from the keyboard along neither a row nor a column.
    void notAlongGrid();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Drag { None, Laying, Moving, Band };

    void Relayout();
    void CancelEditing();
    void PressToSelect(QPointF at, bool adding);
    void ToggleSelected(int place);
    void SelectInBand(const QRectF& band, bool adding);
    void MoveCursor(GridPoint by);
    void LayFromKeyboard();
    void ActAtCursor(bool enter);
    std::optional<Segment> KeyboardSegment() const;
    SegmentKind DrawnKind() const;

    DiagramPicture picture_;
    GridView view_;
    DiagramFonts fonts_;
    double zoom_ = 1;
    DiagramTool tool_ = DiagramTool::Wire;
    GridPoint cursor_;
    EditingMarks editing_;
    Drag drag_ = Drag::None;
    QPointF pressedAt_;
};

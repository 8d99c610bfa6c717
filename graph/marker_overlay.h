#pragma once
// The trace marker over one graph: a small ring drawn on a transparent layer
// that covers the graph's picture box. Moving or hiding the marker repaints
// only the little area it covered and the one it covers now, never the
// graph's picture, which stays as the last redraw left it.
//
// A point beyond the graph's scales is shown at the edge it lies beyond, with
// an arrow pointing the way to it, so that the marker is never lost from view.

#include <optional>

#include <QColor>
#include <QPointF>
#include <QWidget>

class PictureBox;

class MarkerOverlay : public QWidget {
    Q_OBJECT
public:
    explicit MarkerOverlay(PictureBox& graph);

    // At (x, y) in the graph's user coordinates, as they are now; y may be
    // −∞ (a magnitude of zero).
    void ShowAt(double x, double y, const QColor& colour);
    void HideMarker();
    // Where the marker's centre is drawn, in the graph's logical pixels.
    std::optional<QPointF> Centre() const { return centre_; }
    // The way to the point from the graph, in logical pixels: −1, 0 or 1 in
    // each direction; (0, 0) when the point lies on the graph, (0, 1) when it
    // lies below it.
    QPoint Beyond() const { return beyond_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect Area() const;

    PictureBox& graph_;
    std::optional<QPointF> centre_;
    QPoint beyond_;
    QColor colour_;
};

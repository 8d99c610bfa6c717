#pragma once
// The trace marker over one graph: a small ring drawn on a transparent layer
// that covers the graph's picture box. Moving or hiding the marker repaints
// only the little area it covered and the one it covers now, never the
// graph's picture, which stays as the last redraw left it.

#include <optional>

#include <QColor>
#include <QPointF>
#include <QWidget>

class PictureBox;

class MarkerOverlay : public QWidget {
    Q_OBJECT
public:
    explicit MarkerOverlay(PictureBox& graph);

    // At (x, y) in the graph's user coordinates, as they are now.
    void ShowAt(double x, double y, const QColor& colour);
    void HideMarker();
    // Where the marker's centre is, in the graph's logical pixels.
    std::optional<QPointF> Centre() const { return centre_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect Area() const;

    PictureBox& graph_;
    std::optional<QPointF> centre_;
    QColor colour_;
};

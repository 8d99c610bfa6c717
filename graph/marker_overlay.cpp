#include "graph/marker_overlay.h"

#include <cmath>

#include <QPainter>
#include <QPolygonF>

#include "platform/picture_box.h"

namespace {

// Logical pixels: the ring's radius and the strokes of its dark rim and its
// coloured middle.
constexpr double kRadius = 5;
constexpr double kRimWidth = 4;
constexpr double kMiddleWidth = 2;
const QColor kRimColour(0, 0, 0);
// An arrow between the ring and the edge it points at, and the gap it keeps
// from that edge.
constexpr double kArrowLength = 7;
constexpr double kArrowHalfWidth = 5;
constexpr double kEdgeGap = 1;
constexpr double kReach = kRadius + kRimWidth / 2;

}  // namespace

MarkerOverlay::MarkerOverlay(PictureBox& graph) : QWidget(&graph), graph_(graph)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(graph.rect());
}

QRect MarkerOverlay::Area() const
{
    if (!centre_) return {};
    const double reach = kRadius + kRimWidth + (beyond_.isNull() ? 0 : kArrowLength + kEdgeGap);
    return QRectF(*centre_ - QPointF(reach, reach), *centre_ + QPointF(reach, reach)).toAlignedRect();
}

void MarkerOverlay::ShowAt(double x, double y, const QColor& colour)
{
    const QRect before = Area();
    const QPointF at = graph_.ToPainter(x, y);
    const double inset = kEdgeGap + kArrowLength + kReach;
    // −1 before the low edge, 1 past the high one, and where the ring goes.
    const auto place = [inset](double v, double size, int& beyond) {
        beyond = v < 0 ? -1 : v > size ? 1 : 0;
        return beyond < 0 ? inset : beyond > 0 ? size - inset : v;
    };
    int across = 0, down = 0;
    centre_ = QPointF(place(at.x(), width(), across), place(at.y(), height(), down));
    beyond_ = QPoint(across, down);
    colour_ = colour;
    update(before.united(Area()));
}

void MarkerOverlay::HideMarker()
{
    if (!centre_) return;
    const QRect before = Area();
    centre_.reset();
    update(before);
}

void MarkerOverlay::paintEvent(QPaintEvent*)
{
    if (!centre_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRimColour, kRimWidth));
    painter.drawEllipse(*centre_, kRadius, kRadius);
    painter.setPen(QPen(colour_, kMiddleWidth));
    painter.drawEllipse(*centre_, kRadius, kRadius);
    if (beyond_.isNull()) return;

    // The arrow's tip towards the edge, its base against the ring.
    const QPointF way = QPointF(beyond_) / std::hypot(beyond_.x(), beyond_.y());
    const QPointF across(-way.y(), way.x());
    const QPointF base = *centre_ + way * kReach;
    const QPolygonF arrow{
        {base + way * kArrowLength, base - across * kArrowHalfWidth, base + across * kArrowHalfWidth}};
    painter.setPen(QPen(kRimColour, 1));
    painter.setBrush(colour_);
    painter.drawPolygon(arrow);
}

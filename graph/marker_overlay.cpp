#include "graph/marker_overlay.h"

#include <QPainter>

#include "platform/picture_box.h"

namespace {

// Logical pixels: the ring's radius and the strokes of its dark rim and its
// coloured middle.
constexpr double kRadius = 5;
constexpr double kRimWidth = 4;
constexpr double kMiddleWidth = 2;
const QColor kRimColour(0, 0, 0);

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
    const double reach = kRadius + kRimWidth;
    return QRectF(*centre_ - QPointF(reach, reach), *centre_ + QPointF(reach, reach)).toAlignedRect();
}

void MarkerOverlay::ShowAt(double x, double y, const QColor& colour)
{
    const QRect before = Area();
    centre_ = graph_.ToPainter(x, y);
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
}

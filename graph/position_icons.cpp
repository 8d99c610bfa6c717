#include "graph/position_icons.h"

#include <algorithm>

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include "graph/graph_layout.h"

namespace {

// Drawn at twice the logical size so it stays sharp on high-dpi screens.
constexpr qreal kIconPixelRatio = 2;

QPolygonF Triangle(TriangleDirection direction, QPointF centre, qreal half)
{
    const qreal x = centre.x(), y = centre.y();
    switch (direction) {
    case TriangleDirection::Up:
        return QPolygonF{{{x - half, y + half / 2}, {x + half, y + half / 2}, {x, y - half / 2}}};
    case TriangleDirection::Down:
        return QPolygonF{{{x - half, y - half / 2}, {x + half, y - half / 2}, {x, y + half / 2}}};
    case TriangleDirection::Left:
        return QPolygonF{{{x + half / 2, y - half}, {x + half / 2, y + half}, {x - half / 2, y}}};
    case TriangleDirection::Right:
        return QPolygonF{{{x - half / 2, y - half}, {x - half / 2, y + half}, {x + half / 2, y}}};
    }
    return {};
}

}  // namespace

QIcon TriangleIcon(TriangleDirection direction, QSize size)
{
    QPixmap pixmap(size * kIconPixelRatio);
    pixmap.setDevicePixelRatio(kIconPixelRatio);
    pixmap.fill(graph_layout::kPositionGround);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal half = std::min(size.width(), size.height()) * 0.3;
    painter.drawPolygon(Triangle(direction, QRectF(QPointF(0, 0), QSizeF(size)).center(), half));
    return QIcon(pixmap);
}

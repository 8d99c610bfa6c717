#include "diagram_view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr GridPoint kLeastLast{31, 19};
constexpr int kRoomBeyond = 4;
constexpr double kBaseMargin = 28;
constexpr double kReach = 7;  // logical pixels at zoom 1

double DistanceToLine(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

QPointF GridView::PixelOf(double x, double y) const
{
    return {margin + (x - first.x) * spacing, margin + (y - first.y) * spacing};
}

GridPoint GridView::NearestPoint(QPointF pixel) const
{
    const int x = static_cast<int>(std::lround((pixel.x() - margin) / spacing)) + first.x;
    const int y = static_cast<int>(std::lround((pixel.y() - margin) / spacing)) + first.y;
    return {std::clamp(x, first.x, last.x), std::clamp(y, first.y, last.y)};
}

bool GridView::Shows(GridPoint p) const { return p.x >= first.x && p.x <= last.x && p.y >= first.y && p.y <= last.y; }

QSize GridView::Size() const
{
    const QPointF corner = PixelOf(last) + QPointF(margin, margin);
    return {static_cast<int>(std::ceil(corner.x())), static_cast<int>(std::ceil(corner.y()))};
}

GridView ViewOf(const Diagram& diagram, double zoom)
{
    GridView view;
    view.first = {0, 0};
    view.last = kLeastLast;
    for (const Segment& s : diagram.segments)
        for (GridPoint p : {s.from, s.to}) {
            view.first = {std::min(view.first.x, p.x), std::min(view.first.y, p.y)};
            view.last = {std::max(view.last.x, p.x + kRoomBeyond), std::max(view.last.y, p.y + kRoomBeyond)};
        }
    view.spacing = kBaseSpacing * zoom;
    view.margin = kBaseMargin * zoom;
    return view;
}

std::optional<int> ItemAt(const Diagram& diagram, const GridView& view, QPointF pixel)
{
    // A wire counts as a little farther, so that a symbol on it wins.
    constexpr double kWireHandicap = 1;
    std::optional<int> nearest;
    double nearestScore = kReach * view.Zoom() + kWireHandicap;
    for (int i = 0; i < static_cast<int>(diagram.segments.size()); ++i) {
        const Segment& s = diagram.segments[i];
        const double distance = DistanceToLine(pixel, view.PixelOf(s.from), view.PixelOf(s.to));
        if (distance > kReach * view.Zoom()) continue;
        const double score = distance + (s.kind == SegmentKind::Wire ? kWireHandicap : 0);
        if (score < nearestScore) {
            nearest = i;
            nearestScore = score;
        }
    }
    return nearest;
}

#include "platform/scale_map.h"

namespace {

double UnitsPerPixel(double extent, double pixels) { return pixels > 0 ? extent / pixels : 0; }

}  // namespace

ScaleMap::ScaleMap(const ScaleRect& window, const QSizeF& viewport)
    : x_{window.left, 0, UnitsPerPixel(window.width, viewport.width())},
      y_{window.top, 0, UnitsPerPixel(window.height, viewport.height())}
{
}

ScaleMap ScaleMap::Scaled(const QPointF& from, const QPointF& origin, double factorX, double factorY)
{
    return {Axis{from.x(), origin.x(), 0, factorX, true}, Axis{from.y(), origin.y(), 0, factorY, true}};
}

double ScaleMap::Axis::ToPainter(double user) const
{
    if (scaled) return origin + (user - from) * factor;
    return unitsPerPixel != 0 ? (user - from) / unitsPerPixel : 0;
}

double ScaleMap::Axis::ToUser(double painter) const
{
    if (scaled) return from + (painter - origin) / factor;
    return from + painter * unitsPerPixel;
}

QPointF ScaleMap::ToPainter(double x, double y) const { return {x_.ToPainter(x), y_.ToPainter(y)}; }

QPointF ScaleMap::ToUser(const QPointF& painterPoint) const
{
    return {x_.ToUser(painterPoint.x()), y_.ToUser(painterPoint.y())};
}

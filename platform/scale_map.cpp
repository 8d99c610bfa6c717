#include "platform/scale_map.h"

namespace {

double UnitsPerPixel(double extent, double pixels) { return pixels > 0 ? extent / pixels : 0; }

double Pixels(double offset, double unitsPerPixel) { return unitsPerPixel != 0 ? offset / unitsPerPixel : 0; }

}  // namespace

ScaleMap::ScaleMap(const ScaleRect& window, const QSizeF& viewport)
    : left_(window.left),
      top_(window.top),
      unitsX_(UnitsPerPixel(window.width, viewport.width())),
      unitsY_(UnitsPerPixel(window.height, viewport.height()))
{
}

QPointF ScaleMap::ToPainter(double x, double y) const
{
    return {Pixels(x - left_, unitsX_), Pixels(y - top_, unitsY_)};
}

QPointF ScaleMap::ToUser(const QPointF& painterPoint) const
{
    return {left_ + painterPoint.x() * unitsX_, top_ + painterPoint.y() * unitsY_};
}

#pragma once
// User coordinates laid over painter units: a window of user coordinates, its
// top-left corner and its extent (negative where an axis runs the other way),
// stretched over a viewport of painter units whose origin is its top left.
// Made afresh from the two whenever either may have changed.
//
// A viewport without extent, or a window of no width or height, maps
// everything to the viewport's origin and back to the window's corner rather
// than dividing by zero.

#include <QPointF>
#include <QSizeF>

struct ScaleRect {
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
};

class ScaleMap {
public:
    ScaleMap(const ScaleRect& window, const QSizeF& viewport);

    QPointF ToPainter(double x, double y) const;
    QPointF ToUser(const QPointF& painterPoint) const;
    // User units per painter unit; 0 for a viewport without extent.
    double UnitsPerPixelX() const { return unitsX_; }
    double UnitsPerPixelY() const { return unitsY_; }

private:
    double left_;
    double top_;
    double unitsX_;
    double unitsY_;
};

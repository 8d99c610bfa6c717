#pragma once
// User coordinates laid over painter units, the one mapping from values to
// pixels of the screen graphs, the picture boxes and the page's curves.
//
// Over a viewport: a window of user coordinates, its top-left corner and its
// extent (negative where an axis runs the other way), stretched over a
// viewport of painter units whose origin is its top left, each painter unit
// being so many user units. Made afresh from the two whenever either may have
// changed. A viewport without extent, or a window of no width or height, maps
// everything to the viewport's origin and back to the window's corner rather
// than dividing by zero.
//
// By scale factors: a user point `from` placed at the painter point `origin`,
// each user unit so many painter units, as the page lays its curves into its
// frames with factors it rounds to 32 bits.

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
    static ScaleMap Scaled(const QPointF& from, const QPointF& origin, double factorX, double factorY);

    QPointF ToPainter(double x, double y) const;
    QPointF ToUser(const QPointF& painterPoint) const;
    // User units per painter unit; 0 for a viewport without extent.
    double UnitsPerPixelX() const { return x_.UnitsPerPixel(); }
    double UnitsPerPixelY() const { return y_.UnitsPerPixel(); }

private:
    // One axis: painter = origin + (user − from) ÷ unitsPerPixel, or
    // × factor where the factor is given.
    struct Axis {
        double from = 0, origin = 0;
        double unitsPerPixel = 0;
        double factor = 0;
        bool scaled = false;

        double ToPainter(double user) const;
        double ToUser(double painter) const;
        double UnitsPerPixel() const { return scaled ? 1 / factor : unitsPerPixel; }
    };
    ScaleMap(const Axis& x, const Axis& y) : x_(x), y_(y) {}

    Axis x_, y_;
};

#pragma once
// The grid of the diagram window on the screen: which points it shows, where
// each lies in logical pixels, and which drawn item lies under a pixel.

#include <QPointF>
#include <QSize>
#include <optional>

#include "document/diagram.h"

inline constexpr double kBaseSpacing = 32;  // logical pixels between points at zoom 1

struct GridView {
    GridPoint first, last;  // the corners of the points shown
    double spacing = kBaseSpacing;
    double margin = 0;  // around the points, room for the edge numbers

    double Zoom() const { return spacing / kBaseSpacing; }
    QPointF PixelOf(double x, double y) const;
    QPointF PixelOf(GridPoint p) const { return PixelOf(p.x, p.y); }
    // The shown point nearest to a pixel.
    GridPoint NearestPoint(QPointF pixel) const;
    bool Shows(GridPoint p) const;
    QSize Size() const;
};

// At least the points 0 … 31 × 0 … 19, all of the drawing, and four more
// to the right of it and below it, where it can grow. The grid does not grow
// to the left or upwards, so that the drawing stays in place as it grows.
GridView ViewOf(const Diagram& diagram, double zoom);

// The segment nearest to a pixel within reach of its line or its symbol; of
// segments equally near, a branch or the source before a wire.
std::optional<int> ItemAt(const Diagram& diagram, const GridView& view, QPointF pixel);

#pragma once
// Reading drawn pictures back: images by logical pixel whatever their pixel
// ratio, picture boxes at places given in their user coordinates, and pixels
// by colour.

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include <QColor>
#include <QImage>
#include <QPointF>

#include "platform/picture_box.h"

using ColourTest = std::function<bool(const QColor&)>;

inline ColourTest Exactly(const QColor& want)
{
    return [want](const QColor& c) { return c.rgb() == want.rgb(); };
}

inline ColourTest Other(const QColor& ground)
{
    return [ground](const QColor& c) { return c != ground; };
}

// Within `tolerance` in every channel.
inline ColourTest Near(const QColor& want, int tolerance = 40)
{
    return [want, tolerance](const QColor& c) {
        return std::abs(c.red() - want.red()) <= tolerance && std::abs(c.green() - want.green()) <= tolerance &&
               std::abs(c.blue() - want.blue()) <= tolerance;
    };
}

// The red live curve, also where anti-aliasing mixes it with the blue ground.
inline bool Reddish(const QColor& c) { return c.red() > 120 && c.red() - c.blue() > 40 && c.green() < 70; }
// The white kept curve, likewise, also where it lies over the red curve.
inline bool Whitish(const QColor& c) { return std::min({c.red(), c.green(), c.blue()}) > 110; }

// Device pixels that pass the test.
inline int CountPixels(const QImage& image, const ColourTest& test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixelColor(x, y));
    return n;
}

// The device pixel at the top left of logical pixel (x, y).
inline QColor LogicalPixel(const QImage& image, int x, int y)
{
    const double r = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x * r), static_cast<int>(y * r));
}

// Logical columns of row y where the colour is exactly c.
inline std::vector<int> ColumnsOf(const QImage& image, int y, const QColor& c)
{
    std::vector<int> columns;
    const int width = static_cast<int>(image.width() / image.devicePixelRatio());
    for (int x = 0; x < width; ++x)
        if (LogicalPixel(image, x, y) == c) columns.push_back(x);
    return columns;
}

// Logical rows of column x where the colour is exactly c.
inline std::vector<int> RowsOf(const QImage& image, int x, const QColor& c)
{
    std::vector<int> rows;
    const int height = static_cast<int>(image.height() / image.devicePixelRatio());
    for (int y = 0; y < height; ++y)
        if (LogicalPixel(image, x, y) == c) rows.push_back(y);
    return rows;
}

// The device pixel under a point in the box's user coordinates.
inline QPoint DevicePixel(PictureBox& box, double x, double y)
{
    const QPointF p = box.ToPainter(x, y) * box.PixelRatio();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

inline QColor PixelAt(PictureBox& box, QPoint device)
{
    const QImage& image = box.Image();
    if (!image.rect().contains(device)) return {};
    return image.pixelColor(device);
}

// Whether a pixel passing the test lies within `radius` logical pixels of
// the point.
inline bool FoundNear(PictureBox& box, double x, double y, int radius, const ColourTest& test)
{
    const QPoint centre = DevicePixel(box, x, y);
    const int r = static_cast<int>(radius * box.PixelRatio());
    const QImage& image = box.Image();
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.rect().contains(p) && test(image.pixelColor(p))) return true;
        }
    return false;
}

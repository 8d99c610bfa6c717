#pragma once
// Reading the pictures of the graph boxes at places given in their user
// coordinates.

#include <algorithm>
#include <functional>

#include <QColor>
#include <QImage>
#include <QPointF>

#include "platform/picture_box.h"

using ColourTest = std::function<bool(const QColor&)>;

// The device pixel under a point in user coordinates.
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

inline int CountPixels(PictureBox& box, const ColourTest& test)
{
    const QImage& image = box.Image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixelColor(x, y));
    return n;
}

inline ColourTest Exactly(const QColor& want)
{
    return [want](const QColor& c) { return c.rgb() == want.rgb(); };
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

#pragma once
// Reading drawn images back in logical pixels, whatever their pixel ratio.

#include <QColor>
#include <QImage>

#include <vector>

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

// Number of device pixels that differ from the colour c.
inline int CountNot(const QImage& image, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) != c;
    return n;
}

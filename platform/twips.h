#pragma once
// Screen geometry is written in twips (1/1440 inch). At 96 logical dots per
// inch one logical pixel is 15 twips; Qt scales logical pixels for high-dpi
// screens. Layout tables elsewhere keep their twips and convert here.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace twips {

inline constexpr int kPerPixel = 15;
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kMetresPerInch = kMmPerInch / 1000;

// A rectangle as layout tables give it: left, top, width, height in twips.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

// Nearest logical pixel. A twips value is an integer, so an exact half
// (which would need 7.5 twips) cannot occur.
constexpr int ToPixels(int t) { return t >= 0 ? (t + kPerPixel / 2) / kPerPixel : -((-t + kPerPixel / 2) / kPerPixel); }

constexpr double ToPixelsF(double t) { return t / kPerPixel; }

inline QPoint ToPoint(int x, int y) { return {ToPixels(x), ToPixels(y)}; }
inline QSize ToSize(int width, int height) { return {ToPixels(width), ToPixels(height)}; }
inline QRect ToRect(int left, int top, int width, int height) { return {ToPoint(left, top), ToSize(width, height)}; }
inline QRect ToRect(const Box& b) { return ToRect(b.left, b.top, b.width, b.height); }

}  // namespace twips
